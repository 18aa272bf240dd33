#include "explorer/TableBuilder.h"

#include "common/GuiThread.h"
#include "common/readWholeFile.h"
#include "explorer/DataLoader.h"
#include "graph/Graph.h"
#include "problem/Problem.h"

#include <QHash>
#include <QMap>

#include <cmath>
#include <limits>

TableBuilder::TableBuilder(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &TableBuilder::emitProgress);
}

TableBuilder::~TableBuilder()
{
    cancel();
    wait();
    delete m_board;
    delete m_graph;
}

bool TableBuilder::build(Problem *board, bool vertexMode, const QStringList &graphs,
                         const QString &fileName, bool g6)
{
    if (isRunning())
        return false;
    delete m_board;
    m_board = nullptr;
    if (!m_graph)
        m_graph = new Graph(QStringLiteral("Loader"), false);
    if (board) {
        m_board = board->clone();
        m_board->setGraph(m_graph);
    }
    m_vertexMode = vertexMode;
    m_fileName = fileName;
    m_g6 = g6;
    m_result = Result();
    m_result.graphs = graphs;
    m_cancel.store(false);
    m_done.store(0);
    m_total.store(0);
    const int generation = ++m_generation;
    m_thread = std::thread([this, generation] {
        work();
        // Queued to the GUI thread; dropped if the builder is gone by then.
        GuiThread::queued(this, [this, generation] { finishRun(generation); });
    });
    m_poll.start();
    return true;
}

void TableBuilder::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void TableBuilder::finishRun(int generation)
{
    // A build started since then has its own notice coming.
    if (generation != m_generation)
        return;
    wait();
    m_poll.stop();
    emitProgress();
    emit signal_finished();
}

void TableBuilder::emitProgress()
{
    emit signal_progress(m_done.load(), m_total.load());
}

TableBuilder::Result TableBuilder::takeResult()
{
    wait();
    Result out = std::move(m_result);
    m_result = Result();
    return out;
}

QVector<int> TableBuilder::mergeHeader(QStringList &header, const QStringList &names)
{
    QVector<int> map;
    QHash<QString, int> seen;
    int last = -1;
    for (const QString &name : names) {
        const int occurrence = seen[name]++;
        int found = -1;
        for (int c = 0, k = 0; c < header.size(); ++c)
            if (header[c] == name && k++ == occurrence) {
                found = c;
                break;
            }
        if (found < 0) {
            found = last + 1;
            header.insert(found, name);
            for (int &m : map)
                if (m >= found)
                    ++m;
        }
        map << found;
        last = found;
    }
    return map;
}

void TableBuilder::report(qint64 done, qint64 total)
{
    m_total.store(total, std::memory_order_relaxed);
    m_done.store(done, std::memory_order_relaxed);
}

void TableBuilder::work()
{
    if (!m_fileName.isEmpty()) {
        QByteArray bytes;
        if (!readWholeFile(m_fileName, bytes)) {
            m_result.fileError = true;
            return;
        }
        const int before = m_result.graphs.size();
        if (!DataLoader::readList(bytes, m_g6, m_result.graphs, m_result.badLines, m_cancel,
                                  [this](qint64 d, qint64 t) { report(d, t); })) {
            m_result.cancelled = true;
            return;
        }
        m_result.fileGraphs = m_result.graphs.size() - before;
    }
    evaluate();
}

void TableBuilder::evaluate()
{
    Result &r = m_result;
    const int count = r.graphs.size();
    // The orders of the list come from the counts of the graph strings, which are valid.
    QMap<int, int> firstOfOrder;
    QVector<int> orders(count);
    for (int k = 0; k < count; ++k) {
        orders[k] = r.graphs[k].leftRef(r.graphs[k].indexOf(QLatin1Char(' '))).toInt();
        if (!firstOfOrder.contains(orders[k]))
            firstOfOrder.insert(orders[k], k);
    }
    // Column names depend on the order: the largest order first gives the widest header.
    QVector<QVector<int>> columnOf(33);
    if (m_board) {
        QMapIterator<int, int> it(firstOfOrder);
        it.toBack();
        while (it.hasPrevious()) {
            it.previous();
            m_graph->loadCurrentGraph(r.graphs[it.value()]);
            mergeHeader(r.header, m_board->getReportNames(m_vertexMode));
        }
        for (auto it = firstOfOrder.cbegin(); it != firstOfOrder.cend(); ++it) {
            m_graph->loadCurrentGraph(r.graphs[it.value()]);
            columnOf[it.key()] = mergeHeader(r.header, m_board->getReportNames(m_vertexMode));
        }
    }
    const QVector<double> blank(r.header.size(), std::numeric_limits<double>::quiet_NaN());
    auto place = [&](const QVector<double> &values, const QVector<int> &columns) {
        QVector<double> row = blank;
        for (int c = 0; c < values.size() && c < columns.size(); ++c)
            row[columns[c]] = values[c];
        r.rows.append(row);
    };
    r.rows.reserve(m_vertexMode ? count * 10 : count);
    for (int k = 0; k < count; ++k) {
        if (m_cancel.load(std::memory_order_relaxed)) {
            r.cancelled = true;
            return;
        }
        report(k, count);
        const int n = orders[k];
        if (m_board) {
            m_graph->loadCurrentGraph(r.graphs[k]);
            m_board->compute(true);
        }
        if (!m_vertexMode) {
            place(m_board ? m_board->getReportValues() : QVector<double>(), columnOf[n]);
            r.graphNos << k + 1;
            continue;
        }
        for (int v = 1; v <= n; ++v) {
            place(m_board ? m_board->getReportValues(v) : QVector<double>(), columnOf[n]);
            r.graphNos << k + 1;
        }
    }
    report(count, count);
}
