#pragma once

#include "explorer/RowFilter.h"

#include <QAbstractProxyModel>
#include <QVector>

class Analyst;

/// The rows of an explorer's table that its filter keeps, in table order or sorted by one
/// column. The order is a plain list of table rows: sorting compares the column's doubles,
/// so that millions of rows sort in a fraction of a second.
class RowFilterModel : public QAbstractProxyModel
{
    Q_OBJECT
public:
    explicit RowFilterModel(Analyst *table, QObject *parent = nullptr);

    /// Applies a new filter text; false, with the message in error and the rows as they were,
    /// when it cannot be read.
    bool setFilterText(const QString &text, QString &error);
    const RowFilter &filter() const { return m_filter; }
    /// Table row of each row kept, in table order.
    QVector<int> keptRows() const;
    /// Sorts by column (-1: table order); kept through new filters and new tables.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }

    /// Orders rows by keys (keys[k] belongs to rows[k]): ascending or descending, rows whose
    /// key is NaN (a missing value) last either way, equal keys by row number.
    static void orderRows(QVector<int> &rows, const QVector<double> &keys, Qt::SortOrder order);

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

signals:
    /// The rows kept may have changed: a new filter or a new table.
    void signal_rows_changed();

private:
    bool accepts(int tableRow) const;
    /// The rows kept, in the order of the sort column.
    void arrange();

    Analyst *m_table;
    RowFilter m_filter;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QVector<int> m_order;    ///< table row of each row shown
    QVector<int> m_position; ///< row shown of each table row, -1 when filtered out
};
