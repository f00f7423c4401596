#include "ResultMerge.h"

#include "Indexdb.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

QString codeOf(const QJsonValue& analyte)
{
    return analyte.toObject().value(QStringLiteral("N")).toString();
}

} // namespace

QJsonArray ResultMerge::visibleAnalytes(const PanelChkRecord& record, const QStringList& hidden)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(record.testresults.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        qWarning() << "数据解析有误" << "id:" << record.id << error.errorString();
        return QJsonArray();
    }
    QJsonArray out;
    for (const QJsonValue& analyte : doc.array()) {
        if (!hidden.contains(codeOf(analyte)))
            out.append(analyte);
    }
    return out;
}

QJsonArray ResultMerge::groupByCode(const QJsonArray& analytes)
{
    QStringList order;
    QHash<QString, QJsonArray> blocks;
    for (const QJsonValue& analyte : analytes) {
        const QString code = codeOf(analyte);
        if (!blocks.contains(code))
            order << code;
        blocks[code].append(analyte);
    }
    QJsonArray out;
    for (const QString& code : qAsConst(order)) {
        for (const QJsonValue& analyte : blocks.value(code))
            out.append(analyte);
    }
    return out;
}

bool ResultMerge::merge(const QVector<PanelChkRecord>& records, const HiddenOf& hiddenOf,
                        PanelChkRecord* base)
{
    if (records.isEmpty())
        return false;
    QJsonArray all;
    for (const PanelChkRecord& record : records) {
        const QJsonArray visible = visibleAnalytes(record, hiddenOf ? hiddenOf(record.panelid) : QStringList());
        for (const QJsonValue& analyte : visible)
            all.append(analyte);
    }
    *base = records.last();
    base->testresults = QString::fromUtf8(QJsonDocument(groupByCode(all)).toJson(QJsonDocument::Indented));
    return true;
}

bool ResultMerge::mergeStored(Indexdb& db, const QStringList& ids, const HiddenOf& hiddenOf,
                              PanelChkRecord* base)
{
    QVector<PanelChkRecord> found;
    for (const QString& id : ids) {
        QVector<PanelChkRecord> one;
        if (!db.queryById(id, &one) || one.isEmpty()) {
            qDebug() << "ResultMerge::mergeStored no live result" << id;
            continue;
        }
        found << one.first();
    }
    return merge(found, hiddenOf, base);
}
