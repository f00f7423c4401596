#pragma once
#include "Indexdb.h"
#include "QueryFilter.h"

#include "TickListModel.h"

#include <QStringList>
#include <QVector>
#include <memory>

// The result list: live sample results newest first (or those of a search), loaded in pages as
// the view scrolls. A row holds the result's id, its stored check time (the order key), the
// shown texts and its tick. Column 0 is the id, column 1 the tick box, then department, sample
// number, patient id, name, sex, test item, check time and machine.
class ResultListModel : public TickListModel<ResultListModel>
{
    Q_OBJECT
public:
    enum Column { ColId = 0, ColTick, ColDepartment, ColSample, ColPatient, ColName, ColSex, ColTestItem,
                  ColTime, ColMachine, ColumnCount };
    static constexpr int TickColumn = ColTick;

    explicit ResultListModel(Indexdb* db, QObject* parent = nullptr);
    ~ResultListModel() override;

    // The shared texts and tick, every cell centred.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    int pageSize() const { return m_pageSize; }
    void setPageSize(int rows) { m_pageSize = qMax(1, rows); }

    // Lists every live result again from the first page (no search).
    void showAll();
    // Lists the results of a search from the first page.
    void showSearch(const QueryFilter& filter);
    bool isSearch() const { return m_filter != nullptr; }
    // Reads the rows loaded so far again (at least one page): rows that went are removed, new
    // ones inserted and changed ones reported, each row keeping its place in the views. Every
    // tick is cleared.
    void reload();
    // Reads back the live results stored since the last read and inserts each as one row at its
    // place (when that place is among the rows loaded so far; the next page brings it otherwise).
    // Ticks stay. Nothing while a search is shown. The ids inserted.
    QList<int> addNewResults();
    // Reads these results again: each row is updated, moved, or removed when no longer listed.
    void refreshResults(const QList<int>& ids);
    // Removes the rows of these results.
    void removeResults(const QList<int>& ids);

    bool isTicked(int row) const;
    void setAllTicked(bool ticked);
    // Texts of a row as shown, columns 0 to 9 (column 1 empty).
    QStringList rowTexts(int row) const;

    struct Row;

private:
    friend class TickListModel<ResultListModel>;
    void resetTo(const QueryFilter* filter);
    bool readPage(const Indexdb::ListKey* after, int limit, QVector<Row>* out);
    QVector<Row> rowsOf(const QVector<PanelChkRecord>& records, const QVector<QVariant>& keys) const;
    // Where a row with this key goes among the loaded rows; -1 when after the last loaded row
    // while more remain to be loaded.
    int placeOf(const Row& row) const;
    void insertRowAt(int at, const Row& row);
    void removeRowAt(int row);
    void replaceRow(int row, const Row& fresh, bool clearTick);

    Indexdb* m_db;
    std::unique_ptr<QueryFilter> m_filter;
    QVector<Row> m_rows;
    bool m_atEnd = true;
    int m_pageSize = 200;
    int m_seenId = 0; // largest result id read so far
};

struct ResultListModel::Row
{
    int id = 0;
    QVariant key;  // stored check time
    QString texts[ColumnCount];
    bool ticked = false;
};
