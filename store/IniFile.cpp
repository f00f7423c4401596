#include "IniFile.h"

#include "IniTextCodec.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

QVariant readIniValue(const QString& fileName, const QString& group, const QString& key,
                      const QVariant& defaultValue)
{
    if (!QFileInfo::exists(fileName))
        return defaultValue;
    QSettings settings(fileName, QSettings::IniFormat);
    settings.setIniCodec("UTF8");
    const QString path = group.isEmpty() ? key : group + QLatin1Char('/') + key;
    const QVariant value = settings.value(path, defaultValue);
    // The file is read on first access: only then does a broken file show.
    return settings.status() == QSettings::NoError ? value : defaultValue;
}

bool writeIniValues(const QString& fileName, const QString& group, const QVariantMap& values)
{
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath())) {
        qDebug() << "writeIniValues mkpath fail" << info.absolutePath();
        return false;
    }
    {
        // A file the INI reader cannot parse would never be written again: set it aside (for
        // whoever wants to look at it) and start afresh.
        QSettings probe(fileName, QSettings::IniFormat);
        probe.setIniCodec("UTF8");
        probe.allKeys();
        if (probe.status() == QSettings::FormatError) {
            qDebug() << "writeIniValues broken file set aside" << fileName;
            const QString aside = fileName + QStringLiteral(".broken");
            QFile::remove(aside);
            if (!QFile::rename(fileName, aside))
                QFile::remove(fileName);
        }
    }
    // A failed QSettings write stays pending in the process-wide settings cache, where later
    // reads would find it as if it were stored: refuse a file that cannot be written up front.
    const QFileInfo target(fileName);   // afresh: the file may have been set aside
    if (target.exists() ? !target.isWritable() : !QFileInfo(target.absolutePath()).isWritable()) {
        qDebug() << "writeIniValues cannot write" << target.absoluteFilePath();
        return false;
    }
    QSettings settings(fileName, QSettings::IniFormat);
    // Plain UTF-8 as the readers expect, characters beyond U+FFFF included.
    settings.setIniCodec(IniTextCodec::instance());
    if (!group.isEmpty())
        settings.beginGroup(group);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        settings.setValue(it.key(), it.value());
    if (!group.isEmpty())
        settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qDebug() << "writeIniValues fail" << fileName << settings.status();
        return false;
    }
    return true;
}
