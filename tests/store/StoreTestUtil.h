#pragma once
#include "PanelChkRecord.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// Collects the debug log while alive (and still prints it).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    bool contains(const QString& text) const;
    QStringList lines() const;
};

// Runs an SQL script file into a new SQLite database `dbFile` (via a private connection).
bool runSqlScript(const QString& scriptFile, const QString& dbFile);
// Runs one statement on `dbFile` through a private connection; returns the first column of the
// first row (or an invalid variant).
QVariant sqlValue(const QString& dbFile, const QString& sql);
// Prepares the working directory like start-up does and opens the main database (serial mode).
bool openFreshMainDatabase();
// Closes the default connection and every named connection the store keeps.
void closeStoreConnections();
// Stores the record in the open main database; its new id, or -1 when it was not stored.
int storeResult(PanelChkRecord record);
// The test-results text of these comma-separated analyte codes, each with the same numbers.
QString analyteItems(const QString& codes);
