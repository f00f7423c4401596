#include "replaceFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool makeFileWritable(const QString& path)
{
    QFile file(path);
    const QFileDevice::Permissions permissions = file.permissions();
    if (permissions & QFileDevice::WriteUser)
        return false;
    if (!file.setPermissions(permissions | QFileDevice::WriteUser)) {
        qWarning() << "Failed to set file permissions:" << file.errorString();
        return false;
    }
    return true;
}

bool replaceFile(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (!from.isFile()) {
        qDebug() << "replaceFile: no such file" << source;
        return false;
    }
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;   // already the target: removing it first would lose it

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "replaceFile: cannot read" << source << in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    in.close();

    if (to.exists())
        makeFileWritable(target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qDebug() << "Failed to remove file:" << out.errorString();
        out.cancelWriting();
        return false;
    }
    makeFileWritable(target);
    return true;
}
