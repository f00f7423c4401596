#pragma once
#include <QFile>
#include <QFileInfo>
#include <QProcess>

// Makes a file read-only for the test's lifetime. A process running as root writes through
// permission bits, so there the file is also made immutable (chattr); isReadOnly() tells
// whether the file really cannot be written.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString& path) : m_path(path)
    {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (QFileInfo(path).isWritable())
            m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~ReadOnlyFile()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    bool isReadOnly() const
    {
        QFile f(m_path);
        return !f.open(QIODevice::ReadWrite | QIODevice::Append);
    }

private:
    QString m_path;
    bool m_immutable = false;
};
