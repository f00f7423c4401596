#include "SystemSettings.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kSystemFile = "./saveFile/systemsetting.ini";
const char* const kGroup = "ChangeLanguage";
const char* const kDefaultLanguage = "Chinese";
const char* const kDomestic = "cn";
const char* const kOverseas = "en";
const char* const kHospitalFile = "./saveFile/hospital.ini";
const char* const kHospitalGroup = "systemCfg";
const char* const kProjectFile = "./saveFile/project.ini";
const char* const kHiddenGroup = "hideProject";

std::function<void(const QString&)>& languageHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

QString validLanguage(const QString& language)
{
    return knownLanguages().contains(language) ? language : QString::fromLatin1(kDefaultLanguage);
}
} // namespace

QStringList knownLanguages()
{
    return {QStringLiteral("Chinese"), QStringLiteral("English"), QStringLiteral("Italian"),
            QStringLiteral("French"),  QStringLiteral("Portuguese"), QStringLiteral("Russian"),
            QStringLiteral("Spanish"), QStringLiteral("Turkish")};
}

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
    QSettings settings(fileName, QSettings::IniFormat);
    settings.setIniCodec("UTF8");
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

QString getLanguage()
{
    return validLanguage(
        readIniValue(kSystemFile, kGroup, QStringLiteral("Language"), kDefaultLanguage).toString());
}

bool setLanguage(const QString& language)
{
    const QString lang = validLanguage(language);
    const bool written = writeIniValues(kSystemFile, kGroup, {{QStringLiteral("Language"), lang}});
    if (languageHandler())
        languageHandler()(lang);
    return written;
}

void setLanguageHandler(std::function<void(const QString&)> handler)
{
    languageHandler() = std::move(handler);
}

QString getDbsource()
{
    const QString value =
        readIniValue(kSystemFile, kGroup, QStringLiteral("Dbsource"), kDomestic).toString();
    return value.isEmpty() ? QString::fromLatin1(kDomestic) : value;
}

bool setDbsource(const QString& dbsource)
{
    const QString value = dbsource.isEmpty() ? QString::fromLatin1(kDomestic) : dbsource;
    return writeIniValues(kSystemFile, kGroup, {{QStringLiteral("Dbsource"), value}});
}

QString overseasDbsource()
{
    return QString::fromLatin1(kOverseas);
}

QString getHospitalValue(const QString& key)
{
    return readIniValue(kHospitalFile, kHospitalGroup, key, QString()).toString();
}

bool setHospitalValues(const QVariantMap& values)
{
    return writeIniValues(kHospitalFile, kHospitalGroup, values);
}

int getUnitMode()
{
    return readIniValue(kHospitalFile, kHospitalGroup, QStringLiteral("getModeSelect"), 0).toInt() == 1 ? 1 : 0;
}

bool setUnitMode(int mode)
{
    return setHospitalValues({{QStringLiteral("getModeSelect"), mode == 1 ? 1 : 0}});
}

QStringList getHiddenAnalytes(int panelId)
{
    return readIniValue(kProjectFile, kHiddenGroup, QString::number(panelId)).toStringList();
}

bool setHiddenAnalytes(const QMap<int, QStringList>& hidden)
{
    QVariantMap values;
    for (auto it = hidden.constBegin(); it != hidden.constEnd(); ++it)
        values.insert(QString::number(it.key()), it.value());
    return writeIniValues(kProjectFile, kHiddenGroup, values);
}
