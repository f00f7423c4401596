#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// What the ticked lists share: rows of shown texts, one tick box column, the header texts and
// the row ids. Model names its column count (ColumnCount) and tick column (TickColumn) and keeps
// its rows in m_rows, each with an id, a tick and texts[column].
template <class Model>
class TickListModel : public QAbstractTableModel
{
public:
    explicit TickListModel(QObject* parent = nullptr) : QAbstractTableModel(parent)
    {
        for (int c = 0; c < Model::ColumnCount; ++c)
            m_headers << QString();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : rows().size();
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : Model::ColumnCount;
    }

    // The text (tool tip only when not empty) and, in the tick column, the tick.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || index.row() >= rows().size())
            return QVariant();
        const auto& row = rows().at(index.row());
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            if (column == Model::TickColumn || (role == Qt::ToolTipRole && row.texts[column].isEmpty()))
                return QVariant();
            return row.texts[column];
        case Qt::CheckStateRole:
            if (column == Model::TickColumn)
                return row.ticked ? Qt::Checked : Qt::Unchecked;
            return QVariant();
        default:
            return QVariant();
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override
    {
        if (!index.isValid() || index.column() != Model::TickColumn || role != Qt::CheckStateRole
            || index.row() >= rows().size())
            return false;
        model().m_rows[index.row()].ticked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == Model::TickColumn)
            f |= Qt::ItemIsUserCheckable;
        return f;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
            return m_headers.at(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // Header texts of every column, from the first.
    void setHeaderTexts(const QStringList& texts)
    {
        for (int c = 0; c < Model::ColumnCount; ++c)
            m_headers[c] = texts.value(c);
        emit headerDataChanged(Qt::Horizontal, 0, Model::ColumnCount - 1);
    }

    int idAt(int row) const
    {
        return row >= 0 && row < rows().size() ? rows().at(row).id : -1;
    }

    int rowOfId(int id) const
    {
        for (int i = 0; i < rows().size(); ++i) {
            if (rows().at(i).id == id)
                return i;
        }
        return -1;
    }

    // Ids of the ticked rows, in list order.
    QList<int> tickedIds() const
    {
        QList<int> ids;
        for (const auto& r : rows()) {
            if (r.ticked)
                ids << r.id;
        }
        return ids;
    }

protected:
    QStringList m_headers;

private:
    Model& model() { return static_cast<Model&>(*this); }
    const auto& rows() const { return static_cast<const Model&>(*this).m_rows; }
};
