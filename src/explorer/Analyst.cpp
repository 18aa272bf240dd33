#include "explorer/Analyst.h"

#include "common/writeDiagnostic.h"

#include <QBrush>
#include <QColor>

#include <cmath>

Analyst::Analyst(QObject *parent) : QAbstractTableModel(parent) {}

int Analyst::graphNo(int r) const
{
    if (r < 0 || r >= m_graphNos.size()) {
        writeDiagnostic("Analyst::graphNo(" + QByteArray::number(r) + ") failed");
        return 0;
    }
    return m_graphNos[r];
}

void Analyst::load(int graphNo)
{
    emit signal_load_graph(graphNo);
}

void Analyst::setTable(QStringList header, QVector<QVector<double>> rows, QVector<int> graphNos)
{
    beginResetModel();
    m_header = std::move(header);
    m_rows = std::move(rows);
    m_graphNos = std::move(graphNos);
    m_graphNos.resize(m_rows.size());
    endResetModel();
}

int Analyst::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int Analyst::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_header.size();
}

QVariant Analyst::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const QVector<double> &row = m_rows[index.row()];
    if (index.column() >= row.size())
        return QVariant();
    if (role == Qt::BackgroundRole)
        return m_highlight != 0 && m_graphNos[index.row()] == m_highlight
                   ? QVariant(QBrush(QColor(255, 230, 120)))
                   : QVariant();
    if (role == Qt::DisplayRole)
        return std::isnan(row[index.column()]) ? QString()
                                               : QString::number(row[index.column()], 'g', 6);
    if (role == Qt::UserRole)
        return row[index.column()];
    return QVariant();
}

QVariant Analyst::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_header.size() ? QVariant(m_header[section]) : QVariant();
    return section >= 0 && section < m_graphNos.size() ? QVariant(m_graphNos[section])
                                                       : QVariant();
}

void Analyst::setHighlightGraph(int graphNo)
{
    if (graphNo == m_highlight)
        return;
    m_highlight = graphNo;
    if (!m_rows.isEmpty() && !m_header.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, m_header.size() - 1),
                         {Qt::BackgroundRole});
}

QByteArray Analyst::tableText() const
{
    QByteArray out = m_header.join(QLatin1Char('\t')).toUtf8() + '\n';
    for (const QVector<double> &row : m_rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += '\t';
            if (!std::isnan(row[c]))
                out += QByteArray::number(row[c], 'g', 6);
        }
        out += '\n';
    }
    return out;
}
