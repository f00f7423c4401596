#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>

class QSqlQuery;
class QSqlDatabase;

// Check times are stored as text in this one format, so that text order is time order.
extern const char* const kSqlDateTimeFormat;

// Value to bind for a date-time column: the formatted text, or NULL for a null time.
QVariant sqlDateTime(const QDateTime& value);
// Reads a stored date-time (this store's format, ISO text with or without 'T', or null).
QDateTime dateTimeFromSql(const QVariant& value);
// Escapes the LIKE wildcards of `text` with '\' (use with ESCAPE '\').
QString likeEscaped(const QString& text);
// Writes "<where> sql: <statement> error: <driver error>" to the debug log.
void logSqlError(const char* where, const QSqlQuery& query);
void logSqlError(const char* where, const QString& sql, const QSqlDatabase& db);
