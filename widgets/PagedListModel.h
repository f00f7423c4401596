#pragma once
#include "TickListModel.h"

#include <QHash>
#include <QSet>
#include <QVariant>
#include <QVector>
#include <algorithm>

// A ticked list loaded in pages as the view scrolls, in the store's order: key (a stored check
// time, null last) descending, then id descending. Model names ColumnCount and TickColumn and
// reads its store with readPage(const PageKey* after, int limit, QVector<Row>* out), from the
// start when `after` is null, and readRowsAbove(int id, QVector<Row>* out), the rows stored after
// that id; both false when the store cannot be read. maxStoredId() is the largest id stored (-1
// when unknown), isSearch() whether a search is shown. Model befriends TickListModel<Model> and
// PagedListModel.
template <class Model, int Columns>
class PagedListModel : public TickListModel<Model>
{
public:
    struct Row
    {
        int id = 0;
        QVariant key; // the stored order key
        QString texts[Columns];
        bool ticked = false;
    };
    // Where a page starts: after the row with this key and id.
    struct PageKey
    {
        QVariant key;
        int id = 0;
    };

    using TickListModel<Model>::TickListModel;

    bool canFetchMore(const QModelIndex& parent) const override { return !parent.isValid() && !m_atEnd; }

    void fetchMore(const QModelIndex& parent) override
    {
        if (parent.isValid() || m_atEnd)
            return;
        PageKey after;
        const bool fromStart = m_rows.isEmpty();
        if (!fromStart) {
            after.key = m_rows.constLast().key;
            after.id = m_rows.constLast().id;
        }
        QVector<Row> page;
        if (!model().readPage(fromStart ? nullptr : &after, m_pageSize, &page)) {
            m_atEnd = true;
            return;
        }
        m_atEnd = page.size() < m_pageSize;
        if (page.isEmpty())
            return;
        this->beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + page.size() - 1);
        m_rows += page;
        this->endInsertRows();
    }

    // Reads the first page again: rows that went are removed, new ones inserted and changed ones
    // reported, each row keeping its place in the views; rows loaded beyond the first page go
    // (scrolling loads them again). Every tick is cleared.
    void reload()
    {
        const int seen = model().maxStoredId();
        if (reloadFirstPage() && seen >= 0)
            m_seenId = seen;
    }

    // Reads back the rows stored since the last read and inserts each as one row at its place
    // (when that place is among the rows loaded so far; the next page brings it otherwise). Ticks
    // stay. Nothing while a search is shown: it lists what matched when it ran. The ids inserted.
    QList<int> addNewResults()
    {
        if (model().isSearch())
            return {};
        QVector<Row> rows;
        if (!model().readRowsAbove(m_seenId, &rows))
            return {};
        QList<int> added;
        for (const Row& row : qAsConst(rows)) {
            m_seenId = qMax(m_seenId, row.id);
            if (this->rowOfId(row.id) >= 0)
                continue;
            if (placeRow(row.id, &row))
                added << row.id;
        }
        return added;
    }

    int pageSize() const { return m_pageSize; }
    void setPageSize(int rows) { m_pageSize = qMax(1, rows); }

    bool isTicked(int row) const { return row >= 0 && row < m_rows.size() && m_rows.at(row).ticked; }

    void setAllTicked(bool ticked)
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
            emit this->dataChanged(this->index(first, Model::TickColumn), this->index(last, Model::TickColumn),
                                   {Qt::CheckStateRole});
    }

    // Texts of a row as shown, every column (the tick column empty).
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        if (row < 0 || row >= m_rows.size())
            return texts;
        for (int c = 0; c < Columns; ++c)
            texts << m_rows.at(row).texts[c];
        return texts;
    }

    // Whether row a comes before row b in the list.
    static bool comesBefore(const Row& a, const Row& b)
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

protected:
    // Lists from the first page again (a new search, or another file).
    void restart()
    {
        // The largest id of the file now open (after a switch of files it may be smaller).
        const int seen = model().maxStoredId();
        if (seen >= 0)
            m_seenId = seen;
        resetToFirstPage();
    }

    // The first page, in one reset.
    void resetToFirstPage()
    {
        this->beginResetModel();
        m_rows.clear();
        QVector<Row> page;
        m_atEnd = !model().readPage(nullptr, m_pageSize, &page) || page.size() < m_pageSize;
        m_rows = page;
        this->endResetModel();
    }

    // Reads the first page again: rows that went or lie beyond it are removed, new ones inserted,
    // changed ones reported, each row kept keeping its place in the views. Every tick is cleared.
    // False when the store cannot be read (the rows stay).
    bool reloadFirstPage()
    {
        QVector<Row> fresh;
        if (!model().readPage(nullptr, m_pageSize, &fresh))
            return false;
        QSet<int> freshIds;
        for (const Row& r : qAsConst(fresh))
            freshIds.insert(r.id);
        // Rows that went, or lie beyond the first page: taken out from the end in one go.
        int keep = m_rows.size();
        while (keep > 0 && !freshIds.contains(m_rows.at(keep - 1).id))
            --keep;
        if (keep < m_rows.size()) {
            this->beginRemoveRows(QModelIndex(), keep, m_rows.size() - 1);
            m_rows.resize(keep);
            this->endRemoveRows();
        }
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
        if (m_rows.size() > i) {
            this->beginRemoveRows(QModelIndex(), i, m_rows.size() - 1);
            m_rows.resize(i);
            this->endRemoveRows();
        }
        m_atEnd = fresh.size() < m_pageSize;
        return true;
    }

    // Puts a row read back by id at its place: updated where it is listed, moved when its key
    // changed, inserted when new (unless its place lies below the loaded rows), removed when
    // `fresh` lacks it. Ticks stay. Whether a row was inserted.
    bool placeRow(int id, const Row* fresh)
    {
        const int at = this->rowOfId(id);
        if (!fresh) {
            if (at >= 0)
                removeRowAt(at);
            return false;
        }
        if (at >= 0) {
            const bool placed = (at == 0 || comesBefore(m_rows.at(at - 1), *fresh))
                                && (at + 1 >= m_rows.size() || comesBefore(*fresh, m_rows.at(at + 1)));
            if (placed) {
                replaceRow(at, *fresh, false);
                return false;
            }
            removeRowAt(at);
        }
        const int place = placeOf(*fresh);
        if (place < 0)
            return false;
        insertRowAt(place, *fresh);
        return at < 0;
    }

    // Where a row with this key goes among the loaded rows; -1 when after the last loaded row
    // while more remain to be loaded.
    int placeOf(const Row& row) const
    {
        const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), row, comesBefore);
        const int at = int(it - m_rows.cbegin());
        if (at == m_rows.size() && !m_atEnd)
            return -1;
        return at;
    }

    void insertRowAt(int at, const Row& row)
    {
        this->beginInsertRows(QModelIndex(), at, at);
        m_rows.insert(at, row);
        this->endInsertRows();
    }

    void removeRowAt(int row)
    {
        this->beginRemoveRows(QModelIndex(), row, row);
        m_rows.remove(row);
        this->endRemoveRows();
    }

    void replaceRow(int row, const Row& fresh, bool clearTick)
    {
        Row& here = m_rows[row];
        const bool tickChanged = clearTick && here.ticked;
        bool textsChanged = here.key != fresh.key;
        for (int c = 0; c < Columns && !textsChanged; ++c)
            textsChanged = here.texts[c] != fresh.texts[c];
        if (!tickChanged && !textsChanged)
            return;
        const bool ticked = clearTick ? false : here.ticked;
        here = fresh;
        here.ticked = ticked;
        emit this->dataChanged(this->index(row, 0), this->index(row, Columns - 1));
    }

    QVector<Row> m_rows;
    bool m_atEnd = true;
    int m_pageSize = 200;
    int m_seenId = 0; // largest id read so far

private:
    Model& model() { return static_cast<Model&>(*this); }
};
