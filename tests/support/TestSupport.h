#pragma once
#include <QString>
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
