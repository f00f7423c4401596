#include "AnalyzerReply.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>
#include <limits>

namespace {

AnalyzerReply invalid(const QString& cmd, const QString& why)
{
    AnalyzerReply r;
    r.kind = AnalyzerReply::Invalid;
    r.cmd = cmd;
    r.error = why;
    return r;
}

// A JSON number or decimal text holding a whole number in int range.
bool wholeNumber(const QJsonValue& v, qint64* out)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 2147483647.0)
            return false;
        *out = qint64(d);
        return true;
    }
    if (v.isString()) {
        bool ok = false;
        const qint64 n = v.toString().trimmed().toLongLong(&ok);
        if (!ok || n > std::numeric_limits<int>::max() || n < std::numeric_limits<int>::min())
            return false;
        *out = n;
        return true;
    }
    return false;
}

QString idText(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    qint64 n = 0;
    if (v.isDouble() && wholeNumber(v, &n))
        return QString::number(n);
    return QString();
}

} // namespace

AnalyzerReply AnalyzerReply::parse(const QByteArray& payload)
{
    QJsonParseError perr;
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &perr);
    if (perr.error != QJsonParseError::NoError || !doc.isObject())
        return invalid(QString(), QStringLiteral("not a JSON object: %1").arg(perr.errorString()));
    const QJsonObject obj = doc.object();
    const QString cmd = obj.value(QStringLiteral("CMD")).toString();
    if (cmd.isEmpty())
        return invalid(cmd, QStringLiteral("no CMD member"));

    AnalyzerReply r;
    r.cmd = cmd;
    if (cmd == QLatin1String("ReMachineID")) {
        r.machineId = idText(obj.value(QStringLiteral("MachineID")));
        if (r.machineId.isEmpty())
            return invalid(cmd, QStringLiteral("no MachineID"));
        r.kind = MachineId;
    } else if (cmd == QLatin1String("ReResultSize")) {
        qint64 n = 0;
        if (!wholeNumber(obj.value(QStringLiteral("ResultSize")), &n) || n < 0)
            return invalid(cmd, QStringLiteral("no valid ResultSize"));
        r.resultSize = int(n);
        r.kind = ResultSize;
    } else if (cmd == QLatin1String("ReResultQuery")) {
        const QJsonValue res = obj.value(QStringLiteral("Result"));
        if (!res.isObject())
            return invalid(cmd, QStringLiteral("Result is not an object"));
        QJsonObject rec = res.toObject();
        for (const char* key : {"patientinfo", "testresults"}) {
            const QString k = QLatin1String(key);
            const QJsonValue v = rec.value(k);
            if (v.isObject())
                rec.insert(k, QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact)));
            else if (v.isArray())
                rec.insert(k, QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact)));
        }
        r.record = rec;
        r.kind = ResultQuery;
    } else {
        r.kind = Unknown;
    }
    return r;
}
