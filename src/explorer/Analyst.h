#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

/// The results table of one explorer: one row of values per graph (or per vertex), each row
/// with the number of the graph it belongs to, one column per reported variable. Lives on the
/// GUI thread; a view shows it as a model, so 100,000 rows cost no widget each.
class Analyst : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Analyst(QObject *parent = nullptr);

    /// A copy of the column names, in column order.
    QStringList getHeader() const { return m_header; }
    int nbRows() const { return m_rows.size(); }
    /// Row r's values; no range check: 0 <= r < nbRows().
    QVector<double> &getLine(int r) { return m_rows[r]; }
    /// Row r's graph number; 0 with a message on standard error when r is out of range.
    int graphNo(int r) const;
    /// Asks the explorer to load graph `graphNo` (emits signal_load_graph).
    void load(int graphNo);

    /// Replaces the whole table; `graphNos` holds one graph number per row.
    void setTable(QStringList header, QVector<QVector<double>> rows, QVector<int> graphNos);

    /// Rows of graph graphNo are drawn highlighted; 0 highlights none.
    void setHighlightGraph(int graphNo);
    int highlightGraph() const { return m_highlight; }
    /// The table as tab-separated text: the header line, then one line per row, six
    /// significant digits, an empty field for a missing value.
    QByteArray tableText() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void signal_load_graph(int graphNo);

private:
    QStringList m_header;
    QVector<QVector<double>> m_rows;
    QVector<int> m_graphNos;
    int m_highlight = 0;
};
