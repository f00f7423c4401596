#pragma once
#include "PanelQcResult.h"
#include "QcQueryFilter.h"

#include "PagedListModel.h"

#include <QStringList>
#include <QVector>
#include <memory>

class Indexdb;

// The QC result list of the QC tab: shown QC results newest first (or those of a search), loaded
// in pages as the view scrolls. Per row the QC result's id, its tick and the shown texts (id,
// tick box, check time, material, lot, department, machine).
class QcListModel : public PagedListModel<QcListModel, 7>
{
    Q_OBJECT
public:
    enum Column { ColId = 0, ColCheck, ColTime, ColProduct, ColLot, ColDivision, ColMachine, ColumnCount };
    static constexpr int TickColumn = ColCheck;

    explicit QcListModel(Indexdb* db, QObject* parent = nullptr);
    ~QcListModel() override;

    // Lists the QC results matching the filter (every shown one when null) from the first page,
    // none ticked.
    void showFilter(const QcQueryFilter* filter);
    bool isSearch() const { return m_filter != nullptr; }
    // Reads these QC results again: each row is updated, moved, or removed when no longer shown.
    void refreshResults(const QList<int>& ids);

private:
    friend class TickListModel<QcListModel>;
    friend class PagedListModel<QcListModel, 7>;
    static_assert(ColumnCount == 7, "the page rows hold every column");
    bool readPage(const PageKey* after, int limit, QVector<Row>* out);
    bool readRowsAbove(int id, QVector<Row>* out);
    int maxStoredId();
    static QVector<Row> rowsOf(const QVector<PanelQcResult>& list, const QVector<QVariant>& keys);

    Indexdb* m_db;
    std::unique_ptr<QcQueryFilter> m_filter;
};
