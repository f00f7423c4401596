#include "QcListModel.h"

#include "Indexdb.h"
#include "QcFormat.h"
#include "SystemSettings.h"

#include <QDebug>
#include <QHash>

QcListModel::QcListModel(Indexdb* db, QObject* parent) : PagedListModel(parent), m_db(db) {}

QcListModel::~QcListModel() = default;

bool QcListModel::readPage(const PageKey* after, int limit, QVector<Row>* out)
{
    QVector<PanelQcResult> list;
    QVector<QVariant> keys;
    Indexdb::ListKey from;
    if (after) {
        from.chkdatetime = after->key;
        from.id = after->id;
    }
    if (!m_db->queryQcListPage(m_filter.get(), after ? &from : nullptr, limit, &list, &keys)) {
        qDebug() << "QcListModel::readPage query failed";
        return false;
    }
    *out = rowsOf(list, keys);
    return true;
}

QVector<QcListModel::Row> QcListModel::rowsOf(const QVector<PanelQcResult>& list, const QVector<QVariant>& keys)
{
    // Read once per fill: every row's department is named in it.
    const QString language = getLanguage();
    QHash<QString, QString> divisions;
    const QString products[2] = {QcFormat::productName(0), QcFormat::productName(1)};
    QVector<Row> rows;
    rows.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        const PanelQcResult& qc = list.at(i);
        Row row;
        row.id = qc.id;
        row.key = keys.value(i);
        row.texts[ColId] = QString::number(qc.id);
        row.texts[ColTime] = QcFormat::checkTimeText(qc.chkdatetime);
        row.texts[ColProduct] = products[qc.QcProduct == 0 ? 0 : 1];
        row.texts[ColLot] = qc.QcLot;
        auto it = divisions.constFind(qc.division);
        if (it == divisions.constEnd())
            it = divisions.insert(qc.division, QcFormat::divisionText(qc.division, language));
        row.texts[ColDivision] = it.value();
        row.texts[ColMachine] = qc.machineid;
        rows << row;
    }
    return rows;
}

void QcListModel::showFilter(const QcQueryFilter* filter)
{
    m_filter.reset(filter ? new QcQueryFilter(*filter) : nullptr);
    restart();
}

int QcListModel::maxStoredId()
{
    return m_db->maxQcId();
}

bool QcListModel::readRowsAbove(int id, QVector<Row>* out)
{
    QVector<PanelQcResult> list;
    QVector<QVariant> keys;
    if (!m_db->queryQcListRowsAbove(id, &list, &keys)) {
        qDebug() << "QcListModel::readRowsAbove query failed";
        return false;
    }
    *out = rowsOf(list, keys);
    return true;
}

void QcListModel::refreshResults(const QList<int>& ids)
{
    QVector<PanelQcResult> list;
    QVector<QVariant> keys;
    if (!m_db->queryQcListRows(ids, &list, &keys)) {
        qDebug() << "QcListModel::refreshResults query failed";
        return;
    }
    QHash<int, Row> fresh;
    for (const Row& row : rowsOf(list, keys))
        fresh.insert(row.id, row);
    for (int id : ids) {
        const auto it = fresh.constFind(id);
        // A search lists what matched: a result read back stays where it is.
        if (m_filter && it != fresh.constEnd() && rowOfId(id) < 0)
            continue;
        placeRow(id, it == fresh.constEnd() ? nullptr : &it.value());
    }
}
