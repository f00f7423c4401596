#include "SqlUtil.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

const char* const kSqlDateTimeFormat = "yyyy-MM-dd hh:mm:ss";

QVariant sqlDateTime(const QDateTime& value)
{
    if (!value.isValid())
        return QVariant(QVariant::String);
    return value.toString(QLatin1String(kSqlDateTimeFormat));
}

QDateTime dateTimeFromSql(const QVariant& value)
{
    if (value.isNull())
        return QDateTime();
    if (value.type() == QVariant::DateTime)
        return value.toDateTime();
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QDateTime();
    static const char* const formats[] = {
        "yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm:ss.zzz", "yyyy-MM-ddThh:mm:ss",
        "yyyy-MM-ddThh:mm:ss.zzz", "yyyy/MM/dd hh:mm:ss", "yyyy-MM-dd hh:mm", "yyyy-MM-dd"};
    for (const char* f : formats) {
        const QDateTime dt = QDateTime::fromString(text, QLatin1String(f));
        if (dt.isValid())
            return dt;
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

QString likeEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

void logSqlError(const char* where, const QSqlQuery& query)
{
    qDebug() << where << " sql:" << query.lastQuery() << " error:" << query.lastError().text();
}

void logSqlError(const char* where, const QString& sql, const QSqlDatabase& db)
{
    qDebug() << where << " sql:" << sql << " error:" << db.lastError().text();
}
