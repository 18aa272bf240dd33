#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <thread>

class Graph;
class Problem;

/// Builds the rows of one explorer's table in its own thread: reads a graph list file when
/// asked, then evaluates every graph on a clone of the board attached to a private graph.
/// The clone and the graph are made on the GUI thread when a build starts; the thread touches
/// no widget and no shared graph and emits nothing: the GUI thread polls its progress and
/// joins it before it reads the result, so every hand-over is one the sanitizer can see.
class TableBuilder : public QObject
{
    Q_OBJECT
public:
    struct Result {
        QStringList header;
        QVector<QVector<double>> rows;
        QVector<int> graphNos; ///< 1-based position in graphs of each row's graph
        QStringList graphs;    ///< the list the rows were built from
        QVector<int> badLines; ///< 1-based numbers of the file lines skipped
        int fileGraphs = 0;    ///< graphs the file gave
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
    /// True from build() until signal_finished() (the thread joined).
    bool isRunning() const { return m_thread.joinable(); }
    /// Blocks until the running build ends.
    void wait();
    /// GUI thread, after signal_finished() or wait(): the result of the last build.
    Result takeResult();

    /// Merges the column names of one order into the header: a name (counting repeats) found
    /// there keeps its place, a new one goes right after the last name matched. Returns the
    /// header column of each name.
    static QVector<int> mergeHeader(QStringList &header, const QStringList &names);

signals:
    /// done out of total, in bytes while a file is read, then in graphs.
    void signal_progress(qint64 done, qint64 total);
    /// The build ended (whole, cancelled or failed); the result can be taken.
    void signal_finished();

private:
    void finishRun(int generation);
    void emitProgress();
    void work();
    void evaluate();
    void report(qint64 done, qint64 total);

    Problem *m_board = nullptr;
    Graph *m_graph = nullptr;
    bool m_vertexMode = false;
    QString m_fileName;
    bool m_g6 = false;
    Result m_result;
    std::thread m_thread;
    int m_generation = 0;
    QTimer m_poll;
    std::atomic<bool> m_cancel{false};
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{0};
};
