#include "AnalyzerRecord.h"

#include "Indexdb.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

QString jsonText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString();
}

int jsonInt(const QJsonValue& value, int fallback = 0)
{
    if (value.isDouble())
        return value.toInt(fallback);
    if (value.isString()) {
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok);
        return ok ? n : fallback;
    }
    return fallback;
}

// The serum-index bits (low three) as three binary digits; empty when none is set.
QString errcodeText(const QJsonValue& value)
{
    if (value.isString() && !value.toString().isEmpty()) {
        bool ok = false;
        const int n = value.toString().toInt(&ok);
        if (!ok)
            return value.toString();
        return errcodeText(QJsonValue(n));
    }
    const int bits = jsonInt(value) & 7;
    return bits ? QString::number(bits, 2).rightJustified(3, QLatin1Char('0')) : QString();
}

QDateTime checkTime(const QString& text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!t.isValid())
        t = QDateTime::fromString(text, Qt::ISODate);
    return t;
}

} // namespace

int AnalyzerRecord::rowidOf(const QJsonObject& data)
{
    return jsonInt(data.value(QStringLiteral("rowid")), -1);
}

AnalyzerRecord AnalyzerRecord::fromAnalyzer(const QJsonObject& data, const QString& machineId)
{
    AnalyzerRecord r;
    r.m_rowid = rowidOf(data);
    const QString patientinfo = jsonText(data.value(QStringLiteral("patientinfo")));
    const QString testresults = jsonText(data.value(QStringLiteral("testresults")));
    const QJsonObject patient = QJsonDocument::fromJson(patientinfo.toUtf8()).object();
    const QString summary = data.value(QStringLiteral("summary")).toString();
    const QString own = data.value(QStringLiteral("machineid")).toString();
    if (!own.isEmpty() && own != machineId)
        qDebug() << "AnalyzerRecord machine id" << own << "stored as" << machineId;
    const QDateTime chkdatetime = checkTime(data.value(QStringLiteral("chkdatetime")).toString());
    r.m_isQc = patient.value(QStringLiteral("Qc")).toBool() || summary.contains(QLatin1String("(zk)"));

    if (r.m_isQc) {
        PanelQcResult& qc = r.m_qc;
        qc.QcProduct = 0;
        qc.panelid = jsonInt(data.value(QStringLiteral("panelid")));
        qc.panelindex = jsonInt(data.value(QStringLiteral("panelindex")));
        qc.panellot = QString::number(jsonInt(data.value(QStringLiteral("panellot"))));
        qc.machineid = machineId;
        qc.QcLot = patient.value(QStringLiteral("QcLot")).toVariant().toString();
        qc.division = patient.value(QStringLiteral("division")).toVariant().toString();
        qc.chkdatetime = chkdatetime;
        qc.result = testresults;
        qc.Errcode = errcodeText(data.value(QStringLiteral("errcode")));
        qc.patientinfo = patientinfo;
        return r;
    }

    PanelChkRecord& record = r.m_sample;
    record.chkdatetime = chkdatetime;
    record.machineid = machineId;
    record.panelid = jsonInt(data.value(QStringLiteral("panelid")));
    record.panelindex = jsonInt(data.value(QStringLiteral("panelindex")));
    record.panellot = jsonInt(data.value(QStringLiteral("panellot")));
    record.patientinfo = patientinfo;
    record.testresults = testresults;
    record.speciesname = patient.value(QStringLiteral("division")).toVariant().toString();
    record.animalsexname = patient.value(QStringLiteral("sex")).toVariant().toString();
    record.sampletypename = patient.value(QStringLiteral("swatchType")).toVariant().toString();
    record.Errcode = errcodeText(data.value(QStringLiteral("errcode")));
    record.state = 1;
    record.status = testresults.isEmpty() ? 0 : 1;
    record.testType = 0;
    return r;
}

bool AnalyzerRecord::store(Indexdb& db) const
{
    if (m_isQc) {
        PanelQcResult qc = m_qc;
        return db.insertQcResult(qc);
    }
    PanelChkRecord record = m_sample;
    return db.insertData(record);
}
