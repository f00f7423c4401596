#include "ResultListModel.h"

#include "ResultRowText.h"

#include <QDebug>
#include <QHash>

ResultListModel::ResultListModel(Indexdb* db, QObject* parent) : PagedListModel(parent), m_db(db) {}

ResultListModel::~ResultListModel() = default;

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.isValid() && index.row() < m_rows.size())
        return int(Qt::AlignCenter);
    return PagedListModel::data(index, role);
}

bool ResultListModel::readPage(const PageKey* after, int limit, QVector<Row>* out)
{
    QVector<PanelChkRecord> records;
    QVector<QVariant> keys;
    Indexdb::ListKey from;
    if (after) {
        from.chkdatetime = after->key;
        from.id = after->id;
    }
    if (!m_db->queryListPage(m_filter.get(), after ? &from : nullptr, limit, &records, &keys)) {
        qDebug() << "ResultListModel::readPage query failed";
        return false;
    }
    *out = rowsOf(records, keys);
    return true;
}

QVector<ResultListModel::Row> ResultListModel::rowsOf(const QVector<PanelChkRecord>& records,
                                                      const QVector<QVariant>& keys) const
{
    ResultRowText words;
    QVector<Row> rows;
    rows.reserve(records.size());
    for (int i = 0; i < records.size(); ++i) {
        const PanelChkRecord& r = records.at(i);
        Row row;
        row.id = r.id;
        row.key = keys.value(i);
        row.texts[ColId] = QString::number(r.id);
        row.texts[ColDepartment] = words.departmentOf(r);
        row.texts[ColSample] = r.sampleid;
        row.texts[ColPatient] = r.number;
        row.texts[ColName] = r.name;
        row.texts[ColSex] = words.sexOf(r);
        row.texts[ColTestItem] = words.testItemOf(r);
        row.texts[ColTime] = ResultRowText::checkTime(r);
        row.texts[ColMachine] = r.machineid;
        rows << row;
    }
    return rows;
}

void ResultListModel::showAll()
{
    resetTo(nullptr);
}

void ResultListModel::showSearch(const QueryFilter& filter)
{
    resetTo(&filter);
}

void ResultListModel::resetTo(const QueryFilter* filter)
{
    m_filter.reset(filter ? new QueryFilter(*filter) : nullptr);
    restart();
}

int ResultListModel::maxStoredId()
{
    return m_db->maxResultId();
}

bool ResultListModel::readRowsAbove(int id, QVector<Row>* out)
{
    QVector<PanelChkRecord> records;
    QVector<QVariant> keys;
    if (!m_db->queryListRowsAbove(id, &records, &keys)) {
        qDebug() << "ResultListModel::readRowsAbove query failed";
        return false;
    }
    *out = rowsOf(records, keys);
    return true;
}

void ResultListModel::refreshResults(const QList<int>& ids)
{
    QVector<PanelChkRecord> records;
    QVector<QVariant> keys;
    if (!m_db->queryListRows(ids, &records, &keys)) {
        qDebug() << "ResultListModel::refreshResults query failed";
        return;
    }
    QHash<int, Row> fresh;
    for (const Row& row : rowsOf(records, keys))
        fresh.insert(row.id, row);
    for (int id : ids) {
        const auto it = fresh.constFind(id);
        placeRow(id, it == fresh.constEnd() ? nullptr : &it.value());
    }
}

void ResultListModel::removeResults(const QList<int>& ids)
{
    for (int id : ids) {
        const int at = rowOfId(id);
        if (at >= 0)
            removeRowAt(at);
    }
}
