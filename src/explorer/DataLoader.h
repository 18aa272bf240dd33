#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <mutex>

/// The explorers' loader of graph lists: graph strings poured in by the job manager, taken by
/// the explorers. Its list is guarded by its own mutex.
class DataLoader
{
public:
    DataLoader() = default;
    virtual ~DataLoader() = default;

    void clear();
    void addGraph(QString graph);
    /// Number of graph strings held, read without the mutex.
    int size() const { return m_size.load(std::memory_order_acquire); }
    /// A copy of the graph strings held, in the order they were added.
    QStringList graphs() const;

    /// Reads the lines of a graph list ("*.g6" lines when g6, else graph strings) into graph
    /// strings. A line that cannot be read whole (empty, junk, wrong length, order above 32) is
    /// skipped and its 1-based number appended to badLines; a ">>graph6<<" header line alone is
    /// skipped and not counted. Stops early, returning false, once
    /// cancel is set; progress(done, total) is called now and then with bytes read.
    template <class Progress>
    static bool readList(const QByteArray &bytes, bool g6, QStringList &graphs,
                         QVector<int> &badLines, const std::atomic<bool> &cancel,
                         Progress progress);

private:
    /// One line of a list as a graph string into graph. False when the line is refused; true
    /// with graph empty for a graph6 header line, which holds no graph.
    static bool readLine(const QByteArray &bytes, int from, int to, bool g6, QString &graph);

    mutable std::mutex m_mutex;
    QStringList m_graphs;
    std::atomic<int> m_size{0};
};

template <class Progress>
bool DataLoader::readList(const QByteArray &bytes, bool g6, QStringList &graphs,
                          QVector<int> &badLines, const std::atomic<bool> &cancel,
                          Progress progress)
{
    int lineNo = 0;
    int from = 0;
    while (from < bytes.size()) {
        int to = bytes.indexOf('\n', from);
        if (to < 0)
            to = bytes.size();
        ++lineNo;
        QString graph;
        if (!readLine(bytes, from, to, g6, graph))
            badLines.append(lineNo);
        else if (!graph.isEmpty())
            graphs.append(graph);
        from = to + 1;
        if ((lineNo & 0xfff) == 0) {
            if (cancel.load(std::memory_order_relaxed))
                return false;
            progress(from, bytes.size());
        }
    }
    return true;
}
