#pragma once

#include "explorer/RowFilter.h"

#include <QSortFilterProxyModel>

class Analyst;

/// The rows of an explorer's table that its filter keeps, in table order.
class RowFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit RowFilterModel(Analyst *table, QObject *parent = nullptr);

    /// Applies a new filter text; false, with the message in error and the rows as they were,
    /// when it cannot be read.
    bool setFilterText(const QString &text, QString &error);
    const RowFilter &filter() const { return m_filter; }
    /// Table row of each row kept, in order.
    QVector<int> keptRows() const;

signals:
    /// The rows kept may have changed: a new filter or a new table.
    void signal_rows_changed();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    Analyst *m_table;
    RowFilter m_filter;
};
