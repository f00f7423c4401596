#pragma once
#include <QString>
#include <QVariant>
#include <QVariantMap>

// INI helpers over the "./saveFile/*.ini" settings files (INI format, codec "UTF8"). Each file
// has its accessor; only those call these.

// Reads one value; `defaultValue` when the file or the key is missing or the file is broken.
QVariant readIniValue(const QString& fileName, const QString& group, const QString& key,
                      const QVariant& defaultValue = QVariant());

// Writes the values into the group (an empty group writes top-level keys), creating the folder
// when needed. Returns true only when the file was really written (sync and status); a file or
// folder that cannot be written is refused before anything is set, so later reads in this
// process still see the stored values.
bool writeIniValues(const QString& fileName, const QString& group, const QVariantMap& values);
