#include "ResultListModel.h"

#include "ResultRowText.h"

#include <QDebug>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {
// Whether row a comes before row b: check time descending (rows without one last), then id
// descending, as the store orders them.
bool comesBefore(const ResultListModel::Row& a, const ResultListModel::Row& b)
{
    const bool aNull = a.key.isNull();
    const bool bNull = b.key.isNull();
    if (aNull != bNull)
        return bNull;
    if (!aNull) {
        const int c = QString::compare(a.key.toString(), b.key.toString(), Qt::CaseSensitive);
        if (c != 0)
            return c > 0;
    }
    return a.id > b.id;
}

bool sameTexts(const ResultListModel::Row& a, const ResultListModel::Row& b)
{
    for (int c = 0; c < ResultListModel::ColumnCount; ++c) {
        if (a.texts[c] != b.texts[c])
            return false;
    }
    return a.key == b.key;
}
}

ResultListModel::ResultListModel(Indexdb* db, QObject* parent) : TickListModel(parent), m_db(db) {}

ResultListModel::~ResultListModel() = default;

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.isValid() && index.row() < m_rows.size())
        return int(Qt::AlignCenter);
    return TickListModel::data(index, role);
}

bool ResultListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void ResultListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || m_atEnd)
        return;
    Indexdb::ListKey after;
    const bool fromStart = m_rows.isEmpty();
    if (!fromStart) {
        after.chkdatetime = m_rows.constLast().key;
        after.id = m_rows.constLast().id;
    }
    QVector<Row> page;
    if (!readPage(fromStart ? nullptr : &after, m_pageSize, &page)) {
        m_atEnd = true;
        return;
    }
    m_atEnd = page.size() < m_pageSize;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + page.size() - 1);
    m_rows += page;
    endInsertRows();
}

bool ResultListModel::readPage(const Indexdb::ListKey* after, int limit, QVector<Row>* out)
{
    QVector<PanelChkRecord> records;
    QVector<QVariant> keys;
    if (!m_db->queryListPage(m_filter.get(), after, limit, &records, &keys)) {
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
    beginResetModel();
    m_filter.reset(filter ? new QueryFilter(*filter) : nullptr);
    m_rows.clear();
    m_seenId = qMax(m_seenId, m_db->maxResultId());
    QVector<Row> page;
    m_atEnd = !readPage(nullptr, m_pageSize, &page) || page.size() < m_pageSize;
    m_rows = page;
    endResetModel();
}

void ResultListModel::reload()
{
    const int seen = m_db->maxResultId();
    QVector<Row> fresh;
    const int want = qMax(m_pageSize, m_rows.size());
    if (!readPage(nullptr, want, &fresh))
        return;
    m_seenId = qMax(m_seenId, seen);
    QSet<int> freshIds;
    for (const Row& r : qAsConst(fresh))
        freshIds.insert(r.id);
    // Rows that went.
    for (int i = m_rows.size() - 1; i >= 0; --i) {
        if (!freshIds.contains(m_rows.at(i).id))
            removeRowAt(i);
    }
    // Walk both lists in order: keep matching rows, insert new ones, move the others.
    QSet<int> present;
    for (const Row& r : qAsConst(m_rows))
        present.insert(r.id);
    int i = 0;
    for (const Row& r : qAsConst(fresh)) {
        while (i < m_rows.size() && m_rows.at(i).id != r.id && present.contains(r.id)) {
            // The row here comes later in the fresh list: take it out, it is inserted there.
            present.remove(m_rows.at(i).id);
            removeRowAt(i);
        }
        if (i < m_rows.size() && m_rows.at(i).id == r.id) {
            replaceRow(i, r, true);
        } else {
            insertRowAt(i, r);
            present.insert(r.id);
        }
        ++i;
    }
    while (m_rows.size() > i)
        removeRowAt(m_rows.size() - 1);
    m_atEnd = fresh.size() < want;
}

QList<int> ResultListModel::addNewResults()
{
    // A search shows what matched when it ran; Index lists everything again instead.
    if (m_filter)
        return {};
    QVector<PanelChkRecord> records;
    QVector<QVariant> keys;
    if (!m_db->queryListRowsAbove(m_seenId, &records, &keys)) {
        qDebug() << "ResultListModel::addNewResults query failed";
        return {};
    }
    QList<int> added;
    for (const Row& row : rowsOf(records, keys)) {
        m_seenId = qMax(m_seenId, row.id);
        if (rowOfId(row.id) >= 0)
            continue;
        const int at = placeOf(row);
        if (at < 0)
            continue;
        insertRowAt(at, row);
        added << row.id;
    }
    return added;
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
        const int at = rowOfId(id);
        const auto it = fresh.constFind(id);
        if (it == fresh.constEnd()) {
            if (at >= 0)
                removeRowAt(at);
            continue;
        }
        if (at >= 0) {
            const bool placed = (at == 0 || comesBefore(m_rows.at(at - 1), it.value())) &&
                                (at + 1 >= m_rows.size() || comesBefore(it.value(), m_rows.at(at + 1)));
            if (placed) {
                replaceRow(at, it.value(), false);
                continue;
            }
            removeRowAt(at);
        }
        const int place = placeOf(it.value());
        if (place >= 0)
            insertRowAt(place, it.value());
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

int ResultListModel::placeOf(const Row& row) const
{
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), row, comesBefore);
    const int at = int(it - m_rows.cbegin());
    if (at == m_rows.size() && !m_atEnd)
        return -1;
    return at;
}

void ResultListModel::insertRowAt(int at, const Row& row)
{
    beginInsertRows(QModelIndex(), at, at);
    m_rows.insert(at, row);
    endInsertRows();
}

void ResultListModel::removeRowAt(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
}

void ResultListModel::replaceRow(int row, const Row& fresh, bool clearTick)
{
    Row& here = m_rows[row];
    const bool tickChanged = clearTick && here.ticked;
    const bool textsChanged = !sameTexts(here, fresh);
    if (!tickChanged && !textsChanged)
        return;
    const bool ticked = clearTick ? false : here.ticked;
    here = fresh;
    here.ticked = ticked;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

bool ResultListModel::isTicked(int row) const
{
    return row >= 0 && row < m_rows.size() && m_rows.at(row).ticked;
}

void ResultListModel::setAllTicked(bool ticked)
{
    int first = -1, last = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).ticked != ticked) {
            m_rows[i].ticked = ticked;
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first >= 0)
        emit dataChanged(index(first, ColTick), index(last, ColTick), {Qt::CheckStateRole});
}

QStringList ResultListModel::rowTexts(int row) const
{
    QStringList texts;
    if (row < 0 || row >= m_rows.size())
        return texts;
    for (int c = 0; c < ColumnCount; ++c)
        texts << m_rows.at(row).texts[c];
    return texts;
}
