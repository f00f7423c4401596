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
    // Fast path for this store's own format ("yyyy-MM-dd hh:mm:ss" or with 'T').
    if (text.size() == 19 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-')
        && (text[10] == QLatin1Char(' ') || text[10] == QLatin1Char('T')) && text[13] == QLatin1Char(':')
        && text[16] == QLatin1Char(':')) {
        bool ok[6];
        const QDate date(text.midRef(0, 4).toInt(&ok[0]), text.midRef(5, 2).toInt(&ok[1]),
                         text.midRef(8, 2).toInt(&ok[2]));
        const QTime time(text.midRef(11, 2).toInt(&ok[3]), text.midRef(14, 2).toInt(&ok[4]),
                         text.midRef(17, 2).toInt(&ok[5]));
        if (ok[0] && ok[1] && ok[2] && ok[3] && ok[4] && ok[5] && date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
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
    qDebug().noquote() << QString::fromUtf8(where) + QStringLiteral(" sql:") + query.lastQuery()
                              + QStringLiteral(" error:") + query.lastError().text();
}

void logSqlError(const char* where, const QString& sql, const QSqlDatabase& db)
{
    qDebug().noquote() << QString::fromUtf8(where) + QStringLiteral(" sql:") + sql + QStringLiteral(" error:")
                              + db.lastError().text();
}
