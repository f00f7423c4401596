#pragma once
#include "PanelQcResult.h"

#include "TickListModel.h"

#include <QStringList>
#include <QVector>

// The QC result list of the QC tab: per row the QC result's id, its tick and the shown texts
// (id, tick box, check time, material, lot, department, machine).
class QcListModel : public TickListModel<QcListModel>
{
    Q_OBJECT
public:
    enum Column { ColId = 0, ColCheck, ColTime, ColProduct, ColLot, ColDivision, ColMachine, ColumnCount };
    static constexpr int TickColumn = ColCheck;

    explicit QcListModel(QObject* parent = nullptr);

    // Lists these QC results, in this order, none ticked.
    void setResults(const QVector<PanelQcResult>& list);

private:
    friend class TickListModel<QcListModel>;
    struct Row
    {
        int id = -1;
        bool ticked = false;
        QString texts[ColumnCount];
    };
    QVector<Row> m_rows;
};
