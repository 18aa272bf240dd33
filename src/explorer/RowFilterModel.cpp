#include "explorer/RowFilterModel.h"

#include "explorer/Analyst.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

RowFilterModel::RowFilterModel(Analyst *table, QObject *parent)
    : QAbstractProxyModel(parent), m_table(table)
{
    setSourceModel(table);
    connect(table, &QAbstractItemModel::modelAboutToBeReset, this,
            &RowFilterModel::beginResetModel);
    // A new table keeps the filter text and the sort column: they are applied to it again.
    connect(table, &QAbstractItemModel::modelReset, this, [this] {
        QString error;
        if (!m_filter.parse(m_filter.text(), m_table->getHeader(), error))
            m_filter.clear();
        arrange();
        endResetModel();
        emit signal_rows_changed();
    });
    // The table changes whole columns at a time (the highlight): so does the view.
    connect(table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to, const QVector<int> &roles) {
                if (!m_order.isEmpty())
                    emit dataChanged(index(0, from.column()),
                                     index(m_order.size() - 1, to.column()), roles);
            });
    arrange();
}

bool RowFilterModel::setFilterText(const QString &text, QString &error)
{
    if (!m_filter.parse(text, m_table->getHeader(), error))
        return false;
    beginResetModel();
    arrange();
    endResetModel();
    emit signal_rows_changed();
    return true;
}

QVector<int> RowFilterModel::keptRows() const
{
    QVector<int> out;
    out.reserve(m_order.size());
    for (int r = 0; r < m_position.size(); ++r)
        if (m_position[r] >= 0)
            out << r;
    return out;
}

bool RowFilterModel::accepts(int tableRow) const
{
    return m_filter.isEmpty() || m_filter.accepts(m_table->getLine(tableRow));
}

void RowFilterModel::arrange()
{
    const int n = m_table->nbRows();
    m_order.clear();
    m_order.reserve(n);
    for (int r = 0; r < n; ++r)
        if (accepts(r))
            m_order << r;
    if (m_sortColumn >= 0 && m_sortColumn < m_table->columnCount()) {
        QVector<double> keys(m_order.size());
        for (int k = 0; k < m_order.size(); ++k) {
            const QVector<double> &line = m_table->getLine(m_order[k]);
            keys[k] = m_sortColumn < line.size() ? line[m_sortColumn]
                                                 : std::numeric_limits<double>::quiet_NaN();
        }
        orderRows(m_order, keys, m_sortOrder);
    }
    m_position.fill(-1, n);
    for (int k = 0; k < m_order.size(); ++k)
        m_position[m_order[k]] = k;
}

void RowFilterModel::orderRows(QVector<int> &rows, const QVector<double> &keys, Qt::SortOrder order)
{
    // Key and row side by side: the sort walks memory in order, never through a QVariant.
    struct Entry {
        double key;
        int row;
    };
    std::vector<Entry> entries;
    entries.reserve(rows.size());
    QVector<int> missing;
    const double sign = order == Qt::AscendingOrder ? 1.0 : -1.0;
    for (int k = 0; k < rows.size(); ++k) {
        if (std::isnan(keys[k]))
            missing << rows[k];
        else
            entries.push_back({sign * keys[k], rows[k]});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.key < b.key || (a.key == b.key && a.row < b.row);
    });
    std::sort(missing.begin(), missing.end());
    int k = 0;
    for (const Entry &e : entries)
        rows[k++] = e.row;
    for (int r : qAsConst(missing))
        rows[k++] = r;
}

void RowFilterModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList sources;
    for (const QModelIndex &i : before)
        sources << mapToSource(i);
    m_sortColumn = column;
    m_sortOrder = order;
    arrange();
    QModelIndexList after;
    for (const QModelIndex &s : qAsConst(sources))
        after << mapFromSource(s);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex RowFilterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= m_order.size() || column < 0 ||
        column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex RowFilterModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int RowFilterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_order.size();
}

int RowFilterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table->columnCount();
}

bool RowFilterModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0 && columnCount(parent) > 0;
}

QVariant RowFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Column names stay when the filter keeps no row.
    if (orientation == Qt::Horizontal)
        return m_table->headerData(section, orientation, role);
    return section >= 0 && section < m_order.size()
               ? m_table->headerData(m_order[section], orientation, role)
               : QVariant();
}

QModelIndex RowFilterModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.row() >= m_order.size())
        return QModelIndex();
    return m_table->index(m_order[proxyIndex.row()], proxyIndex.column());
}

QModelIndex RowFilterModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.row() >= m_position.size())
        return QModelIndex();
    const int row = m_position[sourceIndex.row()];
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}
