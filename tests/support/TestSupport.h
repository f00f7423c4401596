#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs a test inside a fresh temporary working directory, as the program runs in its own.
class TempWorkDir
{
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Folder of the test data files (tests/data).
QString testDataDir();
// Folder of the build tree (to find tools such as the analyzer simulator).
QString buildDir();

// Standard output of a program run to its end (30 s at most); empty when it does not finish.
QString runProgram(const QString& program, const QStringList& arguments);
// The text of a PDF as pdftotext extracts it, characters as they stand: what a user copying or
// searching the file gets. Options (such as "-layout", "-raw" or a page range) go before the file.
QString pdfText(const QString& file, const QStringList& options = {});
// The text without any white space, for texts that may wrap differently.
QString withoutBlanks(QString text);
// Every key of an INI file as stored (read as UTF-8), key -> text; read straight from the file,
// not through the program's accessors.
QMap<QString, QString> iniKeys(const QString& file);
