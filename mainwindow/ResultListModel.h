#pragma once
#include "Indexdb.h"
#include "QueryFilter.h"

#include "PagedListModel.h"

#include <QStringList>
#include <QVector>
#include <memory>

// The result list: live sample results newest first (or those of a search), loaded in pages as
// the view scrolls. A row holds the result's id, its stored check time (the order key), the
// shown texts and its tick. Column 0 is the id, column 1 the tick box, then department, sample
// number, patient id, name, sex, test item, check time and machine.
class ResultListModel : public PagedListModel<ResultListModel, 10>
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

    // Lists every live result again from the first page (no search).
    void showAll();
    // Lists the results of a search from the first page.
    void showSearch(const QueryFilter& filter);
    bool isSearch() const { return m_filter != nullptr; }
    // Reads these results again: each row is updated, moved, or removed when no longer listed.
    void refreshResults(const QList<int>& ids);
    // Removes the rows of these results.
    void removeResults(const QList<int>& ids);

private:
    friend class TickListModel<ResultListModel>;
    friend class PagedListModel<ResultListModel, 10>;
    void resetTo(const QueryFilter* filter);
    bool readPage(const PageKey* after, int limit, QVector<Row>* out);
    bool readRowsAbove(int id, QVector<Row>* out);
    int maxStoredId();
    QVector<Row> rowsOf(const QVector<PanelChkRecord>& records, const QVector<QVariant>& keys) const;

    static_assert(ColumnCount == 10, "the page rows hold every column");
    Indexdb* m_db;
    std::unique_ptr<QueryFilter> m_filter;
};
