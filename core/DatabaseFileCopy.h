#pragma once
#include <QDateTime>
#include <QString>

// Whole-file backup and restore of a main database. Both write through a temporary file beside
// the target and a rename, so a failure never leaves a partial file at the target.
class DatabaseFileCopy
{
public:
    enum Result
    {
        Done,
        SourceUnreadable,    // the source cannot be opened or read
        NotResultDatabase,   // restore only: not a readable SQLite file holding the result tables
        SameFile,            // source and target are one file
        TargetUnwritable,    // the temporary file or the rename failed
        CopyDiffers,         // the written copy does not read back identical to the source
    };

    // Copies the database file `source` to `target`, replacing an existing target only with a
    // complete copy that reads back identical to the source.
    static Result backup(const QString& source, const QString& target);

    // Puts a copy of `source` in the place of the database file `target` after checking that
    // `source` is a readable SQLite database holding the result tables. The replaced database is
    // kept, renamed, beside the target under a name no earlier restore used; `kept` receives its
    // path (empty when there was no target). On any failure the target stays as it was.
    static Result restore(const QString& source, const QString& target, QString* kept = nullptr);

    // "<target>.before-restore-<yyyyMMdd-hhmmss>", numbered "-2", "-3", ... when taken.
    static QString keptName(const QString& target, const QDateTime& when);

    // The last step of a restore: renames an existing `target` to keptName(target, when) (into
    // `kept`) and `incoming` into its place. When that fails the kept file is put back, so
    // `target` stays as it was and `kept` is empty.
    static Result swapIn(const QString& incoming, const QString& target, const QDateTime& when, QString* kept);

    // Whether `fileName` is a readable SQLite database holding PanelChkResult and PanelQcResult.
    static bool isResultDatabase(const QString& fileName);

private:
    static Result copyVerified(const QString& source, const QString& target);
};
