#include "FileUtils.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

void makeWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser
                                    | QFileDevice::ReadOwner | QFileDevice::ReadUser);
}

} // namespace

void copyFileIfMissing(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return;
    if (!QFile::copy(source, target)) {
        qDebug() << "copyFileIfMissing fail:" << source << "->" << target;
        return;
    }
    makeWritable(target);
}

void copyFileOverwrite(const QString& source, const QString& target)
{
    // Copy beside the target first, so that a failed copy leaves the old target in place.
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(source, temp)) {
        qDebug() << "copyFileOverwrite fail:" << source << "->" << target;
        QFile::remove(temp);
        return;
    }
    makeWritable(temp);
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        qDebug() << "copyFileOverwrite cannot replace:" << target;
        QFile::remove(temp);
        return;
    }
    if (!QFile::rename(temp, target)) {
        qDebug() << "copyFileOverwrite rename fail:" << temp << "->" << target;
        return;
    }
}
