#include "explorer/RowFilterModel.h"

#include "explorer/Analyst.h"

RowFilterModel::RowFilterModel(Analyst *table, QObject *parent)
    : QSortFilterProxyModel(parent), m_table(table)
{
    setSourceModel(table);
    // A new table keeps the filter text: it is read again against the new header.
    connect(table, &QAbstractItemModel::modelReset, this, [this] {
        QString error;
        if (!m_filter.parse(m_filter.text(), m_table->getHeader(), error))
            m_filter.clear();
        invalidateFilter();
        emit signal_rows_changed();
    });
}

bool RowFilterModel::setFilterText(const QString &text, QString &error)
{
    if (!m_filter.parse(text, m_table->getHeader(), error))
        return false;
    invalidateFilter();
    emit signal_rows_changed();
    return true;
}

QVector<int> RowFilterModel::keptRows() const
{
    QVector<int> out;
    for (int r = 0; r < m_table->nbRows(); ++r)
        if (filterAcceptsRow(r, QModelIndex()))
            out << r;
    return out;
}

bool RowFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return m_filter.isEmpty() || m_filter.accepts(m_table->getLine(sourceRow));
}
