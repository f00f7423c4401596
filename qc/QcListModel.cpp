#include "QcListModel.h"

#include "QcFormat.h"

QcListModel::QcListModel(QObject* parent) : TickListModel(parent) {}

void QcListModel::setResults(const QVector<PanelQcResult>& list)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(list.size());
    for (const PanelQcResult& qc : list) {
        Row row;
        row.id = qc.id;
        row.texts[ColId] = QString::number(qc.id);
        row.texts[ColTime] = QcFormat::checkTimeText(qc.chkdatetime);
        row.texts[ColProduct] = QcFormat::productName(qc.QcProduct);
        row.texts[ColLot] = qc.QcLot;
        row.texts[ColDivision] = QcFormat::divisionText(qc.division);
        row.texts[ColMachine] = qc.machineid;
        m_rows << row;
    }
    endResetModel();
}
