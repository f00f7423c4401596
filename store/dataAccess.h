#pragma once
#include <QSet>
#include <QSqlDatabase>
#include <QString>

// Registry of the named SQLite connections of the process ("config_rw", "config", ...).
class dataAccess
{
public:
    static dataAccess* getInstance();

    // Opens (creating when needed) the connection `name` on `fileName` in the working directory.
    // When `seedResource` is given and the file is missing, the file is first copied from it.
    // Returns whether the connection is open.
    bool open(const QString& name, const QString& fileName, const QString& seedResource = QString());
    // The connection `name` (invalid when it was never opened).
    QSqlDatabase database(const QString& name) const;
    bool isOpen(const QString& name) const;
    // Closes and forgets the connection `name`.
    void remove(const QString& name);
    // Closes every connection on the SQLite file `fileName`: those opened here and the default
    // one. Each is opened again on its next use, on whatever file then has that name. Called
    // before the file is replaced, so nothing keeps reading or writing the replaced one.
    void closeFile(const QString& fileName);

private:
    dataAccess() = default;
    QSet<QString> m_names; // connections opened through open()
};
