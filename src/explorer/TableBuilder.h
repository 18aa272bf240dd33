#pragma once

#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>

class Graph;
class Problem;

/// Builds the rows of one explorer's table in its own thread: reads a graph list file when
/// asked, then evaluates every graph on a clone of the board attached to a private graph.
/// The clone and the graph are made on the GUI thread when a build starts; the thread touches
/// no widget and no shared graph, and hands its result over only once it has ended.
class TableBuilder : public QThread
{
    Q_OBJECT
public:
    struct Result {
        QStringList header;
        QVector<QVector<double>> rows;
        QVector<int> graphNos; ///< 1-based position in graphs of each row's graph
        QStringList graphs;    ///< the list the rows were built from
        QVector<int> badLines; ///< 1-based numbers of the file lines skipped
        bool fileError = false;
        bool cancelled = false;
    };

    explicit TableBuilder(QObject *parent = nullptr);
    ~TableBuilder() override;

    /// GUI thread. Starts building from graphs, followed by the graphs of fileName when it is
    /// not empty ("*.g6" lines when g6). One row per graph, or one per vertex in vertexMode.
    /// A null board gives rows without columns. False when a build is still running.
    bool build(Problem *board, bool vertexMode, const QStringList &graphs,
               const QString &fileName = QString(), bool g6 = false);
    void cancel() { m_cancel.store(true); }
    /// GUI thread, once finished() was emitted: the result of the last build.
    Result takeResult();

    /// Merges the column names of one order into the header: a name (counting repeats) found
    /// there keeps its place, a new one goes right after the last name matched. Returns the
    /// header column of each name.
    static QVector<int> mergeHeader(QStringList &header, const QStringList &names);

signals:
    /// done out of total, in bytes while a file is read, then in graphs.
    void signal_progress(qint64 done, qint64 total);

protected:
    void run() override;

private:
    void evaluate();
    void report(qint64 done, qint64 total);

    Problem *m_board = nullptr;
    Graph *m_graph = nullptr;
    bool m_vertexMode = false;
    QString m_fileName;
    bool m_g6 = false;
    Result m_result;
    std::atomic<bool> m_cancel{false};
    qint64 m_lastReported = -1;
};
