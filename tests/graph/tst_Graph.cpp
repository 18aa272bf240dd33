#include "graph/Edge.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace
{

// Literal model of the documented cell, vertex and counter rules, call by call.
struct RefGraph {
    int n = 0, nBest = 0;
    bool c[32][32] = {}, b[32][32] = {}, exists[32] = {};
    quint32 id = 0, bestId = 0;

    static bool slot(int i) { return i >= 0 && i <= 31; }
    static bool adj(const bool m[32][32], int k, int i, int j)
    {
        return i >= 0 && i < k && j >= 0 && j < k && i != j && (m[i][j] || m[j][i]);
    }
    void setExists(int k)
    {
        for (int s = 0; s < 32; ++s)
            exists[s] = s < k;
    }
    bool addEdge(int i, int j)
    {
        ++id;
        const bool ok = i >= 0 && i < n && j >= 0 && j < n && i != j;
        if (ok)
            c[i][j] = c[j][i] = true;
        return ok;
    }
    bool remEdge(int i, int j)
    {
        if (!slot(i) || !slot(j))
            return false;
        ++id;
        const bool had = c[i][j] || c[j][i];
        c[i][j] = c[j][i] = false;
        return had;
    }
    void toggleEdge(int i, int j)
    {
        if (slot(i) && slot(j))
            c[i][j] = !c[i][j];
    }
    bool addNode()
    {
        if (n > 31)
            return false;
        setExists(++n);
        ++id;
        setExists(nBest); // the display refresh follows the best graph
        return true;
    }
    bool remNode(int v)
    {
        if (v < 0 || v >= n)
            return false;
        setExists(--n);
        if (v != n && n >= 1) {
            for (int j = 0; j < n; ++j)
                if (j != v)
                    c[v][j] = c[n][j];
            for (int j = 0; j < n; ++j)
                if (j != v)
                    c[j][v] = c[j][n];
        }
        for (int j = 0; j < n; ++j)
            remEdge(n, j);
        ++id;
        setExists(nBest);
        return true;
    }
    void clear()
    {
        for (int i = 0; i < 32; ++i)
            for (int j = i + 1; j < 32; ++j)
                remEdge(i, j);
        setExists(n = 0);
    }
    void randomGraph(int k)
    {
        clear();
        while (n < k)
            addNode();
        for (int i = 0; i < n - 1; ++i)
            for (int j = i + 1; j < n; ++j)
                qrand() % 2 == 1 ? addEdge(i, j) : remEdge(i, j);
    }
    void backup()
    {
        std::memcpy(b, c, sizeof b);
        setExists(nBest = n);
        bestId = id;
    }
    void restore()
    {
        std::memcpy(c, b, sizeof c);
        setExists(n = nBest);
        id = bestId;
    }
    void copyFrom(const RefGraph &s)
    {
        n = s.n;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                c[i][j] = c[j][i] = adj(s.c, s.n, i, j);
        ++id;
    }
};

// Compares everything a reader can see of a graph with the model.
QString difference(const Graph &g, const RefGraph &r)
{
    int m = 0;
    for (int i = 0; i < r.n; ++i)
        for (int j = i + 1; j < r.n; ++j)
            m += r.c[i][j];
    if (g.getNbNodes() != r.n || g.getNbEdges() != m || quint32(g.getID()) != r.id)
        return "count or counter";
    if (g.getNbBestNodes() != r.nBest || quint32(g.getBestID()) != r.bestId)
        return "best count or counter";
    BitGraph s;
    g.snapshot(s);
    if (s.n != r.n)
        return "snapshot count";
    for (int i = -1; i <= 33; ++i)
        for (int j = -1; j <= 33; ++j) {
            const bool e = RefGraph::adj(r.c, r.n, i, j);
            if (g.edge(i, j) != e || g.bestEdge(i, j) != RefGraph::adj(r.b, r.nBest, i, j))
                return QString("pair %1 %2").arg(i).arg(j);
            if (RefGraph::slot(i) && RefGraph::slot(j) && s.edge(i, j) != e)
                return QString("snapshot pair %1 %2").arg(i).arg(j);
        }
    for (int k = 0; k < 32; ++k)
        if (g.getNode(k)->getExists() != r.exists[k])
            return QString("exists %1").arg(k);
    return QString();
}

} // namespace

class tst_Graph : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void construction_data();
    void construction();
    void operationsFollowTheRules_data();
    void operationsFollowTheRules();
    void counterWraps();
    void randomGraphClamps();
    void changeBestAndSelection();
    void displayFollowsBest();
    void displayFromAnotherThreadIsQueued();
    void concurrentReaders();
};

void tst_Graph::construction_data()
{
    QTest::addColumn<bool>("display");
    QTest::newRow("display") << true;
    QTest::newRow("no display") << false;
}

void tst_Graph::construction()
{
    QFETCH(bool, display);
    qsrand(77);
    QVector<int> draws;
    for (int k = 0; k < 65 + 45; ++k)
        draws.append(qrand());
    qsrand(77);
    Graph g("g", display);
    QCOMPARE(g.getNbNodes(), 10);
    QCOMPARE(g.getNbBestNodes(), 10);
    QCOMPARE(g.getID(), g.getBestID());
    // Counter drawn after the 64 positions, then clear (496), 10 vertices and 45 pairs.
    QCOMPARE(quint32(g.getID()), quint32(draws[64]) + 496 + 10 + 45);
    for (int i = 0, p = 65; i < 9; ++i)
        for (int j = i + 1; j < 10; ++j)
            QCOMPARE(g.edge(i, j), draws[p++] % 2 == 1);
    QCOMPARE(g.scene() != nullptr, display);
    for (int k = 0; k < 32; ++k) {
        QCOMPARE(g.getNode(k)->nodeName(), QString("Node %1").arg(k + 1));
        QCOMPARE(g.getNode(k)->getVisible(), k < 10);
        for (int j = 0; j < k; ++j)
            QVERIFY(g.getEdge(j, k)->from() == g.getNode(k) &&
                    g.getEdge(k, j)->to() == g.getNode(j));
    }
    Graph *c = g.clone();
    QCOMPARE(c->getName(), QString("Clone"));
    QVERIFY(!c->scene());
    QCOMPARE(c->currentGraphData(), g.currentGraphData());
    delete c;
}

void tst_Graph::operationsFollowTheRules_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 6; ++seed)
        QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
}

void tst_Graph::operationsFollowTheRules()
{
    QFETCH(int, seed);
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Graph a("a", false), b("b", false);
    RefGraph refs[2];
    for (Graph *g : {&a, &b}) {
        g->clear();
        g->best_backup();
    }
    refs[0].id = quint32(a.getID());
    refs[1].id = quint32(b.getID());
    refs[0].backup();
    refs[1].backup();
    for (int step = 0; step < 4000; ++step) {
        const int which = pick(0, 3) == 0;
        Graph &g = which ? b : a;
        Graph &other = which ? a : b;
        RefGraph &r = refs[which];
        const int i = pick(-2, 33), j = pick(-2, 33);
        // Indexes mostly inside the vertex range, so that edges accumulate.
        const int vi = pick(0, qMax(0, r.n - 1)), vj = pick(0, qMax(0, r.n - 1));
        const int op = pick(0, 15);
        switch (op) {
        case 0:
        case 1:
        case 2:
            QCOMPARE(g.addEdge(vi, vj), r.addEdge(vi, vj));
            QCOMPARE(g.addEdge(i, j), r.addEdge(i, j));
            break;
        case 3:
        case 4:
            QCOMPARE(g.remEdge(vi, vj), r.remEdge(vi, vj));
            QCOMPARE(g.remEdge(i, j), r.remEdge(i, j));
            break;
        case 5:
            g.toggleEdge(i, j);
            r.toggleEdge(i, j);
            g.toggleEdge(vi, vj);
            r.toggleEdge(vi, vj);
            break;
        case 6:
            g.invert();
            if (pick(0, 1))
                g.invert(); // twice restores every cell and the counter
            else
                for (int x = 0; x < r.n; ++x)
                    for (int y = 0; y < r.n; ++y)
                        r.toggleEdge(x, y);
            break;
        case 7:
        case 8:
            QCOMPARE(g.addNode(), r.addNode());
            break;
        case 9:
            if (r.n > 0)
                QVERIFY(g.remNode() && r.remNode(r.n - 1));
            break;
        case 10:
            QCOMPARE(g.remNode(i), r.remNode(i));
            QCOMPARE(g.remNode(vi), r.remNode(vi));
            break;
        case 11: {
            const int k = pick(0, 32);
            qsrand(uint(step));
            g.randomGraph(k);
            qsrand(uint(step));
            r.randomGraph(k);
            break;
        }
        case 12:
            g.best_backup();
            r.backup();
            break;
        case 13:
            g.best_restore();
            r.restore();
            break;
        case 14:
            g.copy(&other);
            r.copyFrom(refs[!which]);
            g.copy(&g); // copying from itself is refused
            break;
        default:
            if (pick(0, 5) == 0) {
                g.clear();
                r.clear();
            }
        }
        const QString why = difference(g, r);
        QVERIFY2(why.isEmpty(),
                 qPrintable(QString("step %1, op %2: %3").arg(step).arg(op).arg(why)));
    }
}

void tst_Graph::counterWraps()
{
    // Of a few seeds, the one that starts the counter highest reaches the wrap soonest.
    uint bestSeed = 0;
    int highest = -1;
    for (uint seed = 1; seed <= 200; ++seed) {
        qsrand(seed);
        for (int k = 0; k < 64; ++k)
            qrand();
        const int start = qrand();
        if (start > highest)
            highest = start, bestSeed = seed;
    }
    qsrand(bestSeed);
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

void tst_Graph::randomGraphClamps()
{
    Graph g("g", false);
    g.randomGraph(40);
    QCOMPARE(g.getNbNodes(), 32);
    g.randomGraph(-4);
    QCOMPARE(g.getNbNodes(), 0);
}

void tst_Graph::changeBestAndSelection()
{
    Graph g("g", true);
    QSignalSpy best(&g, &Graph::signal_best_graph_changed);
    QSignalSpy interactive(&g, &Graph::signal_interactive_graph_changed);
    const int id = g.getID();
    g.changeBest();
    QCOMPARE(g.getBestID(), id + 1);
    g.getNode(3)->setSelected(true);
    g.slot_invert_selection();
    QVERIFY(!g.getNode(3)->isSelected() && g.getNode(31)->isSelected());
    g.slot_select_all();
    g.slot_unselect_all();
    QVERIFY(!g.getNode(3)->isSelected() && !g.getNode(31)->isSelected());
    QCOMPARE(g.getID(), id + 4);
    QCOMPARE(best.count(), 1);
    QCOMPARE(interactive.count(), 3);
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
            for (int j = 0; j < i; ++j) {
                QCOMPARE(g.getEdge(i, j)->isShown(), i < 5);
                if (display)
                    QCOMPARE(g.getEdge(i, j)->isVisible(), i < 5);
            }
        }
    }
}

void tst_Graph::displayFromAnotherThreadIsQueued()
{
    Graph g("graph", true);
    g.loadmvx("5 0000000000", false);
    g.update_display();
    g.setViolated(true);
    g.setViolated(true);
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::gray));
    g.setViolated(false);
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::white));
    std::thread worker([&g] {
        g.loadCurrentGraph("6 111111111111111");
        g.best_backup();
        g.update_display();
        g.setViolated(true);
    });
    worker.join();
    // Model data and plain flags moved in place; the scene and the widget wait for the GUI thread.
    QCOMPARE(g.getNbBestNodes(), 6);
    QVERIFY(g.getNode(5)->getVisible() && g.isViolated());
    QVERIFY(!g.getEdge(1, 0)->isVisible() && !g.getNode(5)->isVisible());
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::white));
    QTRY_VERIFY(g.getEdge(1, 0)->isVisible());
    QVERIFY(g.getNode(5)->isVisible());
    QTRY_COMPARE(g.backgroundBrush().color(), QColor(Qt::gray));
}

void tst_Graph::concurrentReaders()
{
    Graph stable("stable", false), edited("edited", false);
    stable.randomGraph(32);
    bool expected[32][32];
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j)
            expected[i][j] = stable.edge(i, j);
    edited.randomGraph(20);
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t)
        readers.emplace_back([&] {
            for (int rounds = 0; !stop.load() || rounds < 50; ++rounds)
                for (int i = 0; i < 32; ++i)
                    for (int j = 0; j < 32; ++j)
                        wrong += stable.edge(i, j) != expected[i][j];
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
        std::mt19937 rng(99);
        for (int k = 0; k < 20000; ++k) {
            const int i = int(rng() % 20), j = int(rng() % 20);
            switch (k % 4) {
            case 0:
                edited.addEdge(i, j);
                break;
            case 1:
                edited.remEdge(i, j);
                break;
            case 2:
                edited.toggleEdge(i, j);
                break;
            default:
                edited.invert();
            }
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
