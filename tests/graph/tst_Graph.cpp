#include "GraphFixtures.h"
#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include <QtTest>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace
{

// The test's own copy of a graph's current adjacency.
BitGraph cellsOf(const Graph &g)
{
    BitGraph b;
    b.n = g.getNbNodes();
    for (int i = 0; i < b.n; ++i)
        for (int j = 0; j < b.n; ++j)
            if (g.edge(i, j))
                b.addEdge(i, j);
    return b;
}

} // namespace

class tst_Graph : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void init() { qsrand(1234); }
    void counterSteps_data();
    void counterSteps();
    void edits();
    void counterWraps();
    void displayFollowsBest();
    void displayFromAnotherThreadIsQueued();
    void concurrentReaders();
};

// Applied to the first of two graphs.
using Op = std::function<bool(Graph *)>;
Q_DECLARE_METATYPE(Op)

// On a 6-vertex graph: what each operation answers and how far it moves the counter.
void tst_Graph::counterSteps_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("step");
    QTest::newRow("addEdge") << Op([](Graph *g) { return g->addEdge(0, 2); }) << true << 1;
    QTest::newRow("addEdge beyond n")
        << Op([](Graph *g) { return g->addEdge(0, 6); }) << false << 1;
    QTest::newRow("remEdge") << Op([](Graph *g) { return g->remEdge(1, 0); }) << true << 1;
    QTest::newRow("remEdge slot 32")
        << Op([](Graph *g) { return g->remEdge(0, 32); }) << false << 0;
    QTest::newRow("toggleEdge") << Op([](Graph *g) { return (g->toggleEdge(0, 3), true); }) << true
                                << 0;
    QTest::newRow("invert") << Op([](Graph *g) { return (g->invert(), true); }) << true << 0;
    QTest::newRow("addNode") << Op([](Graph *g) { return g->addNode(); }) << true << 1;
    QTest::newRow("remNode") << Op([](Graph *g) { return g->remNode(); }) << true << 6;
    QTest::newRow("remNode(1)") << Op([](Graph *g) { return g->remNode(1); }) << true << 6;
    QTest::newRow("remNode(6)") << Op([](Graph *g) { return g->remNode(6); }) << false << 0;
    QTest::newRow("clear") << Op([](Graph *g) { return (g->clear(), true); }) << true << 496;
    QTest::newRow("copy") << Op([](Graph *g) { return (g->copy(g + 1), true); }) << true << 1;
    QTest::newRow("copy itself") << Op([](Graph *g) { return (g->copy(g), true); }) << true << 0;
    QTest::newRow("changeBest") << Op([](Graph *g) { return (g->changeBest(), true); }) << true
                                << 1;
}

void tst_Graph::counterSteps()
{
    QFETCH(Op, op);
    QFETCH(bool, answer);
    QFETCH(int, step);
    Graph g[2] = {{"g", false}, {"other", false}};
    QVERIFY(g[0].loadCurrentGraph(toGraphString(pathGraph(6))));
    const quint32 id = quint32(g[0].getID());
    QCOMPARE(op(g), answer);
    QCOMPARE(quint32(g[0].getID()) - id, quint32(step));
}

void tst_Graph::edits()
{
    Graph g("g", false), h("h", true);
    QCOMPARE(g.getNbNodes(), 10); // the default graph
    g.randomGraph(40);
    QCOMPARE(g.getNbNodes(), 32);
    g.randomGraph(-4);
    QCOMPARE(g.getNbNodes(), 0);
    for (int n = 1; n <= 32; n += 3) {
        const BitGraph b = randomBitGraph(n);
        QVERIFY(g.loadCurrentGraph(toGraphString(b)));
        g.best_backup();
        const int id = g.getID();
        // Removing vertex v: the last vertex takes its place with all its neighbours.
        for (int v = 0; v < n; ++v) {
            QVERIFY(g.remNode(v));
            QVector<int> p;
            for (int k = 0; k < n; ++k)
                p << (k == n - 1 ? v : k == v ? n - 1 : k);
            BitGraph expected = relabelled(b, p);
            for (int k = 0; k < n; ++k)
                expected.removeEdge(k, n - 1);
            expected.n = n - 1;
            QCOMPARE(toGraph6(cellsOf(g)), toGraph6(expected));
            g.best_restore();
            QCOMPARE(g.getID(), id);
            QCOMPARE(toGraph6(cellsOf(g)), toGraph6(b));
        }
        g.invert();
        QCOMPARE(toGraph6(cellsOf(g)), toGraph6(b.complement()));
        g.invert();
        QVERIFY(g.currentGraphData() == g.graphData() && g.getID() == id);
        QCOMPARE(g.getNbEdges(), b.edgeCount());
        QVERIFY(!g.edge(-1, 0) && !g.edge(0, n) && !g.edge(0, 0));
        h.copy(&g);
        QCOMPARE(h.currentGraphData(), g.currentGraphData());
        Graph *c = g.clone();
        QVERIFY(c->getName() == "Clone" && !c->scene() &&
                c->currentGraphData() == g.currentGraphData());
        delete c;
    }
}

void tst_Graph::counterWraps()
{
    Graph g("g", false);
    const quint32 start = quint32(g.getID());
    quint32 clears = 0;
    while (g.getID() >= 0 && clears < 20000000u) {
        g.clear();
        ++clears;
    }
    QVERIFY(g.getID() < 0);
    QCOMPARE(quint32(g.getID()), start + 496u * clears);
}

void tst_Graph::displayFollowsBest()
{
    for (bool display : {true, false}) {
        Graph g("g", display);
        g.loadCurrentGraph(QString("8 ") + QString(28, '1'));
        g.toggleEdge(6, 7); // the drawing reads the cell below the diagonal
        g.best_backup();
        g.loadCurrentGraph("5 1111111111");
        g.update_display();
        QVERIFY(g.getEdge(7, 6)->isShown());
        g.best_backup();
        g.loadCurrentGraph("9 ");
        g.update_display();
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(g.getNode(i)->getVisible(), i < 5);
            QCOMPARE(g.getNode(i)->isVisible(), !display || i < 5);
            for (int j = 0; j < i; ++j)
                QVERIFY(g.getEdge(i, j)->isShown() == (i < 5) &&
                        (!display || g.getEdge(i, j)->isVisible() == (i < 5)));
        }
    }
}

void tst_Graph::displayFromAnotherThreadIsQueued()
{
    Graph g("graph", true);
    g.loadmvx("5 0000000000", false);
    g.update_display();
    g.setViolated(true);
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::gray));
    g.setViolated(false);
    std::thread worker([&g] {
        g.loadCurrentGraph("6 111111111111111");
        g.best_backup();
        g.update_display();
        g.setViolated(true);
    });
    worker.join();
    // Model data and plain flags moved in place; the scene and the widget wait for the GUI thread.
    QVERIFY(g.getNbBestNodes() == 6 && g.getNode(5)->getVisible() && g.isViolated());
    QVERIFY(!g.getEdge(1, 0)->isVisible() && !g.getNode(5)->isVisible());
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::white));
    QTRY_VERIFY(g.getEdge(1, 0)->isVisible() && g.getNode(5)->isVisible());
    QTRY_COMPARE(g.backgroundBrush().color(), QColor(Qt::gray));
}

void tst_Graph::concurrentReaders()
{
    Graph stable("stable", false), edited("edited", false);
    stable.randomGraph(32);
    const BitGraph expected = cellsOf(stable);
    edited.randomGraph(20);
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 2; ++t)
        readers.emplace_back([&] {
            for (int rounds = 0; !stop.load() || rounds < 50; ++rounds)
                for (int k = 0; k < 1024; ++k)
                    wrong += stable.edge(k / 32, k % 32) != expected.edge(k / 32, k % 32);
        });
    // A reader of the graph being edited sees a symmetric snapshot within its vertices.
    readers.emplace_back([&] {
        while (!stop.load()) {
            BitGraph s;
            edited.snapshot(s);
            for (int i = 0; i < 32; ++i)
                for (int j = 0; j < 32; ++j)
                    wrong += s.edge(i, j) != s.edge(j, i) || (s.edge(i, j) && (i == j || j >= s.n));
        }
    });
    std::thread writer([&] {
        for (int k = 0; k < 20000; ++k) {
            const int i = k * 7 % 20, j = k * 13 % 19;
            k % 4 == 0 ? edited.addEdge(i, j) : k % 4 == 1 ? edited.remEdge(i, j) : false;
            k % 4 == 2 ? edited.toggleEdge(i, j) : k % 4 == 3 ? edited.invert() : void();
        }
    });
    writer.join();
    stop = true;
    for (std::thread &t : readers)
        t.join();
    QCOMPARE(wrong.load(), 0);
}

#include "tst_Graph.moc"
QTEST_MAIN(tst_Graph)
