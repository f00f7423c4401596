#include "SystemSettings.h"

#include <QDebug>

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
