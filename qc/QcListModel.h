#pragma once
#include "PanelQcResult.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The QC result list of the QC tab: per row the QC result's id, its tick and the shown texts
// (id, tick box, check time, material, lot, department, machine).
class QcListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColId = 0, ColCheck, ColTime, ColProduct, ColLot, ColDivision, ColMachine, ColumnCount };

    explicit QcListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setHeaderTexts(const QStringList& texts);
    // Lists these QC results, in this order, none ticked.
    void setResults(const QVector<PanelQcResult>& list);
    int idAt(int row) const;
    int rowOfId(int id) const;
    // Ids of the ticked rows, in list order.
    QList<int> tickedIds() const;

private:
    struct Row
    {
        int id = -1;
        bool ticked = false;
        QString texts[ColumnCount];
    };
    QVector<Row> m_rows;
    QStringList m_headers;
};
