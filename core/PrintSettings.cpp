#include "PrintSettings.h"

#include "SystemSettings.h"

#include <QVariantMap>

namespace {

const char* const kFile = "./saveFile/printsetting.ini";
const char* const kGroup = "systemCfg";

// Test report keys.
const char* const kChart = "getModeSelect";
const char* const kPaper = "getModeSelect1";
const char* const kOptEnable = "optEnable";
const char* const kCustomText = "customText";
const char* const kCustomDefault = "customDefault";
const char* const kFontSize = "fontsize";

// QC report keys.
const char* const kQcChart = "QcChart";
const char* const kQcPaper = "QcPaper";
const char* const kQcOptEnable = "QcOptEnable";
const char* const kQcCustomText = "QcCustomText";
const char* const kQcFontSize = "QcFontsize";

const char* const kItalianStatement =
    "Si ricorda che questa analisi di prima istanza non può sostituirsi alla diagnosi clinica del "
    "medico. Se qualsiasi risultato è dubbio, inferiore o superiore ai range di misurazione o ai "
    "valori attesi, non apportare modifiche al proprio piano terapeutico o prendere decisioni "
    "cliniche senza prima aver consultato un medico.";

QVariant value(const char* key, const QVariant& fallback)
{
    return readIniValue(QString::fromLatin1(kFile), QString::fromLatin1(kGroup), QString::fromLatin1(key),
                        fallback);
}

int intValue(const char* key, int fallback)
{
    return value(key, fallback).toInt();   // not a number: 0
}

bool write(const QVariantMap& values)
{
    return writeIniValues(QString::fromLatin1(kFile), QString::fromLatin1(kGroup), values);
}

} // namespace

QString PrintSettings::fileName()
{
    return QString::fromLatin1(kFile);
}

TestPrintOptions PrintSettings::readTest()
{
    TestPrintOptions o;
    o.chart = intValue(kChart, o.chart);
    o.paper = intValue(kPaper, o.paper);
    o.optEnable = intValue(kOptEnable, o.optEnable);
    o.customText = value(kCustomText, o.customText).toString();
    o.customDefault = value(kCustomDefault, o.customDefault).toBool();
    o.fontSize = intValue(kFontSize, o.fontSize);
    return o;
}

bool PrintSettings::writeTest(const TestPrintOptions& o)
{
    return write({{QLatin1String(kChart), o.chart},
                  {QLatin1String(kPaper), o.paper},
                  {QLatin1String(kOptEnable), o.optEnable},
                  {QLatin1String(kCustomText), o.customText},
                  {QLatin1String(kCustomDefault), o.customDefault},
                  {QLatin1String(kFontSize), o.fontSize}});
}

QcPrintOptions PrintSettings::readQc()
{
    QcPrintOptions o;
    o.chart = intValue(kQcChart, o.chart);
    o.paper = intValue(kQcPaper, o.paper);
    o.optEnable = intValue(kQcOptEnable, o.optEnable);
    o.customText = value(kQcCustomText, o.customText).toString();
    o.fontSize = intValue(kQcFontSize, o.fontSize);
    return o;
}

bool PrintSettings::writeQc(const QcPrintOptions& o)
{
    return write({{QLatin1String(kQcChart), o.chart},
                  {QLatin1String(kQcPaper), o.paper},
                  {QLatin1String(kQcOptEnable), o.optEnable},
                  {QLatin1String(kQcCustomText), o.customText},
                  {QLatin1String(kQcFontSize), o.fontSize}});
}

QString PrintSettings::italianStatement()
{
    return QString::fromUtf8(kItalianStatement);
}

bool PrintSettings::applyStartupDefaults(const QString& language)
{
    QVariantMap due;
    if (value(kCustomDefault, true).toBool() && language == QLatin1String("Italian")) {
        due.insert(QLatin1String(kCustomText), italianStatement());
        due.insert(QLatin1String(kCustomDefault), false);
    }
    if (intValue(kOptEnable, -1) == -1)
        due.insert(QLatin1String(kOptEnable), kStartupOptEnable);
    return due.isEmpty() || write(due);
}
