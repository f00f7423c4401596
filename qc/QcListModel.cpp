#include "QcListModel.h"

#include "QcFormat.h"

QcListModel::QcListModel(QObject* parent) : QAbstractTableModel(parent)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headers << QString();
}

int QcListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int QcListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QcListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row& row = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column == ColCheck ? QVariant() : QVariant(row.texts[column]);
    case Qt::ToolTipRole:
        return column == ColCheck || row.texts[column].isEmpty() ? QVariant() : QVariant(row.texts[column]);
    case Qt::CheckStateRole:
        return column == ColCheck ? QVariant(row.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    default:
        return QVariant();
    }
}

bool QcListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != ColCheck || role != Qt::CheckStateRole || index.row() >= m_rows.size())
        return false;
    m_rows[index.row()].ticked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags QcListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ColCheck)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant QcListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void QcListModel::setHeaderTexts(const QStringList& texts)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headers[c] = texts.value(c);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

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

int QcListModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : -1;
}

int QcListModel::rowOfId(int id) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).id == id)
            return i;
    }
    return -1;
}

QList<int> QcListModel::tickedIds() const
{
    QList<int> ids;
    for (const Row& r : m_rows) {
        if (r.ticked)
            ids << r.id;
    }
    return ids;
}
