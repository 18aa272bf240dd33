#include "Boards.h"

#include "explorer/DataLoader.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNSManager.h"

#include <QtTest>

namespace
{

/// Breadth-first search from vertex 0.
bool connected(const Graph &g)
{
    const int n = g.getNbNodes();
    if (n == 0)
        return true;
    QVector<bool> seen(n, false);
    QVector<int> queue{0};
    seen[0] = true;
    for (int head = 0; head < queue.size(); ++head)
        for (int v = 0; v < n; ++v)
            if (!seen[v] && g.edge(queue[head], v)) {
                seen[v] = true;
                queue.append(v);
            }
    return queue.size() == n;
}

int triangles(const Graph &g)
{
    const int n = g.getNbNodes();
    int count = 0;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                count += g.edge(a, b) && g.edge(b, c) && g.edge(a, c);
    return count;
}

/// Runs the board headless over orders nmin..nmax with an evaluation limit per job and
/// calls check on every graph of every job archive.
template <class Check>
void searchAndCheck(void (*build)(Problem &), int nmin, int nmax, int evalLimit, Check check)
{
    Graph main(QStringLiteral("main"), false);
    Problem board(&main, QStringLiteral("white"), false);
    build(board);
    setOrder(main, nmin);
    DataLoader loader;
    VNSManager manager(&board, &main, nullptr, nullptr, &loader);
    manager.setSeed(1234);
    manager.slot_set_p1min(nmin);
    manager.slot_set_p1max(nmax);
    manager.slot_set_max_evals(evalLimit);
    manager.slot_startVNS();
    QVERIFY(manager.wait(120000));
    QCOMPARE(manager.nbJobs(), nmax - nmin + 1);
    for (int j = 0; j < manager.nbJobs(); ++j) {
        OptimalSolutions *archive = manager.jobArchive(j);
        QVERIFY2(archive->size() > 0, qPrintable(QString("job %1 found nothing").arg(j)));
        for (const QString &text : archive->graphs()) {
            Graph g(QStringLiteral("found"), false);
            QVERIFY(g.loadCurrentGraph(text));
            QCOMPARE(g.getNbNodes(), manager.jobOrder(j));
            check(g, text);
        }
    }
    QCOMPARE(loader.size(), [&] {
        int total = 0;
        for (int j = 0; j < manager.nbJobs(); ++j)
            total += manager.jobArchive(j)->size();
        return total;
    }());
}

} // namespace

class tst_OptimizerSearch : public QObject
{
    Q_OBJECT

private slots:
    void smallestConnectedAreTrees()
    {
        searchAndCheck(&minSizeConnected, 6, 8, 20000, [](const Graph &g, const QString &text) {
            QVERIFY2(connected(g), qPrintable(text));
            QCOMPARE(edgesOf(g), g.getNbNodes() - 1);
        });
    }

    void triangleFreeReachesMantelBound()
    {
        searchAndCheck(&maxSizeTriangleFree, 6, 10, 300000,
                       [](const Graph &g, const QString &text) {
                           const int n = g.getNbNodes();
                           QVERIFY2(triangles(g) == 0, qPrintable(text));
                           QCOMPARE(edgesOf(g), n * n / 4);
                       });
    }
};

QTEST_MAIN(tst_OptimizerSearch)
#include "tst_OptimizerSearch.moc"
