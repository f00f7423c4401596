#pragma once
#include "IniFile.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>

// Settings kept in "./saveFile/systemsetting.ini", group "ChangeLanguage":
// "Language" (the language key, "Chinese" by default) and "Dbsource" (the cloud region, "cn" by
// default; any other value is the overseas region).

// The language keys the program knows, Chinese first.
QStringList knownLanguages();

// The stored language key; "Chinese" when the key is missing or names no known language.
QString getLanguage();
// Stores the language key and hands it to the language handler (the program's, which loads the
// translator, style sheet and locale). An unknown key is stored and handed on as "Chinese".
// Returns whether the file was written.
bool setLanguage(const QString& language);
// Sets the function that puts a stored language in force; an empty one removes it.
void setLanguageHandler(std::function<void(const QString&)> handler);

// The stored cloud region; "cn" when missing or empty.
QString getDbsource();
// Stores the cloud region. Returns whether the file was written.
bool setDbsource(const QString& dbsource);

// The overseas region key ("cn" is the domestic one).
QString overseasDbsource();

// Clinic details and unit system, kept in "./saveFile/hospital.ini", group "systemCfg".
// One clinic detail ("hospital", "address", "phone", "email"); empty when missing.
QString getHospitalValue(const QString& key);
// Stores clinic details (key -> text). Returns whether the file was written.
bool setHospitalValues(const QVariantMap& values);
// Unit system of results and reports ("getModeSelect"): 1 conventional, 0 SI (anything but 1
// reads as SI).
int getUnitMode();
bool setUnitMode(int mode);

// Test items left out of the result view and the reports, per panel group
// ("./saveFile/project.ini", key "hideProject/<panel id>": the hidden analyte codes).
QStringList getHiddenAnalytes(int panelId);
// Stores the hidden codes of each panel given (panel id -> codes). Returns whether the file was
// written.
bool setHiddenAnalytes(const QMap<int, QStringList>& hidden);
