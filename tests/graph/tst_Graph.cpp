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

namespace {

// Literal model of the documented cell, vertex and counter rules, call by call.
struct RefGraph {
    int n = 0;
    bool c[32][32] = {};
    quint32 id = 0;
    int nBest = 0;
    bool b[32][32] = {};
    quint32 bestId = 0;
    bool exists[32] = {};

    static bool slot(int i) { return i >= 0 && i <= 31; }
    bool edge(int i, int j) const
    {
        return i >= 0 && i < n && j >= 0 && j < n && i != j && (c[i][j] || c[j][i]);
    }
    bool bestEdge(int i, int j) const
    {
        return i >= 0 && i < nBest && j >= 0 && j < nBest && i != j && (b[i][j] || b[j][i]);
    }
    int nbEdges() const
    {
        int m = 0;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                m += c[i][j];
        return m;
    }
    void setExists(int k)
    {
        for (int s = 0; s < 32; ++s)
            exists[s] = s < k;
    }
    bool addEdge(int i, int j)
    {
        ++id;
        if (i >= 0 && i < n && j >= 0 && j < n && i != j) {
            c[i][j] = c[j][i] = true;
            return true;
        }
        return false;
    }
    bool remEdge(int i, int j)
    {
        if (!slot(i) || !slot(j))
            return false;
        ++id;
        if (!c[i][j] && !c[j][i])
            return false;
        c[i][j] = c[j][i] = false;
        return true;
    }
    void toggleEdge(int i, int j)
    {
        if (slot(i) && slot(j))
            c[i][j] = !c[i][j];
    }
    void invert()
    {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                toggleEdge(i, j);
    }
    bool addNode()
    {
        if (n > 31)
            return false;
        ++n;
        setExists(n);
        ++id;
        setExists(nBest); // the display refresh follows the best graph
        return true;
    }
    bool remNode()
    {
        --n;
        setExists(n);
        for (int i = 0; i < n; ++i)
            remEdge(i, n);
        ++id;
        setExists(nBest);
        return true;
    }
    bool remNode(int v)
    {
        if (v < 0 || v >= n)
            return false;
        --n;
        setExists(n);
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
        exists[n] = false;
        ++id;
        setExists(nBest);
        return true;
    }
    void clear()
    {
        for (int i = 0; i < 32; ++i)
            for (int j = i + 1; j < 32; ++j)
                remEdge(i, j);
        setExists(0);
        n = 0;
    }
    void randomGraph(int k)
    {
        clear();
        while (n < k)
            addNode();
        for (int i = 0; i < n - 1; ++i)
            for (int j = i + 1; j < n; ++j) {
                if (qrand() % 2 == 1)
                    addEdge(i, j);
                else
                    remEdge(i, j);
            }
    }
    void backup()
    {
        std::memcpy(b, c, sizeof b);
        nBest = n;
        setExists(nBest);
        bestId = id;
    }
    void restore()
    {
        id = bestId;
        std::memcpy(c, b, sizeof c);
        n = nBest;
        setExists(nBest);
    }
    void copyFrom(const RefGraph &s)
    {
        n = s.n;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                const bool e = s.edge(i, j);
                c[i][j] = c[j][i] = e;
            }
        ++id;
    }
};

// Compares everything a reader can see of a graph with the model.
bool sameAs(const Graph &g, const RefGraph &r, QString &why)
{
    if (g.getNbNodes() != r.n)
        return why = QString("n %1 vs %2").arg(g.getNbNodes()).arg(r.n), false;
    if (static_cast<quint32>(g.getID()) != r.id)
        return why = "ID", false;
    if (g.getNbEdges() != r.nbEdges())
        return why = "edge count", false;
    if (g.getNbBestNodes() != r.nBest || static_cast<quint32>(g.getBestID()) != r.bestId)
        return why = "best count or counter", false;
    for (int i = -1; i <= 33; ++i)
        for (int j = -1; j <= 33; ++j) {
            if (g.edge(i, j) != r.edge(i, j))
                return why = QString("edge %1 %2").arg(i).arg(j), false;
            if (g.bestEdge(i, j) != r.bestEdge(i, j))
                return why = QString("best edge %1 %2").arg(i).arg(j), false;
        }
    for (int k = 0; k < 32; ++k)
        if (g.getNode(k)->getExists() != r.exists[k])
            return why = QString("exists %1").arg(k), false;
    BitGraph s;
    g.snapshot(s);
    if (s.n != r.n)
        return why = "snapshot n", false;
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j)
            if (s.edge(i, j) != r.edge(i, j))
                return why = QString("snapshot %1 %2").arg(i).arg(j), false;
    return true;
}

void startFromEmpty(Graph &g, RefGraph &r)
{
    g.clear();
    g.best_backup();
    r = RefGraph();
    r.id = static_cast<quint32>(g.getID());
    r.backup();
}

} // namespace

class tst_Graph : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void construction_data();
    void construction();
    void operationsFollowTheRules_data();
    void operationsFollowTheRules();
    void documentedCases();
    void invertTwiceRestores();
    void counterWraps();
    void randomGraphBounds_data();
    void randomGraphBounds();
    void copyAndClone();
    void bestBackupAndRestore();
    void changeBestAndSelection();
    void displayFollowsBest();
    void violationBackground();
    void displayFromAnotherThreadIsQueued();
    void concurrentReaders();
};

void tst_Graph::initTestCase()
{
    Node::initColors();
    qsrand(1234);
}

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
    // Counter: drawn after the 64 positions, then clear (496), 10 vertices, 45 pairs.
    QCOMPARE(static_cast<quint32>(g.getID()), static_cast<quint32>(draws[64]) + 496 + 10 + 45);
    int p = 65;
    for (int i = 0; i < 9; ++i)
        for (int j = i + 1; j < 10; ++j)
            QCOMPARE(g.edge(i, j), draws[p++] % 2 == 1);
    QCOMPARE(g.graphData(), g.currentGraphData());
    QCOMPARE(g.scene() != nullptr, display);
    for (int k = 0; k < 32; ++k) {
        QCOMPARE(g.getNode(k)->nodeName(), QString("Node %1").arg(k + 1));
        QCOMPARE(g.getNode(k)->getExists(), k < 10);
        QCOMPARE(g.getNode(k)->getVisible(), k < 10);
        for (int j = 0; j < k; ++j) {
            QCOMPARE(g.getEdge(k, j), g.getEdge(j, k));
            QCOMPARE(g.getEdge(k, j)->from(), g.getNode(k));
            QCOMPARE(g.getEdge(k, j)->to(), g.getNode(j));
        }
        QVERIFY(!g.getEdge(k, k));
    }
    QVERIFY(!g.isViolated());
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
    RefGraph ra, rb;
    startFromEmpty(a, ra);
    startFromEmpty(b, rb);
    a.randomGraph(20);
    ra = RefGraph();
    startFromEmpty(a, ra);
    QString why;
    for (int step = 0; step < 3000; ++step) {
        const bool onA = pick(0, 3) != 0;
        Graph &g = onA ? a : b;
        RefGraph &r = onA ? ra : rb;
        const int op = pick(0, 15);
        const int i = pick(-2, 33), j = pick(-2, 33);
        // Indexes mostly inside the vertex range, so that edges accumulate.
        const int vi = r.n > 0 ? pick(0, r.n - 1) : 0, vj = r.n > 0 ? pick(0, r.n - 1) : 0;
        QString opName;
        switch (op) {
        case 0: case 1: case 2:
            opName = "addEdge";
            QCOMPARE(g.addEdge(vi, vj), r.addEdge(vi, vj));
            QCOMPARE(g.addEdge(i, j), r.addEdge(i, j));
            break;
        case 3: case 4:
            opName = "remEdge";
            QCOMPARE(g.remEdge(vi, vj), r.remEdge(vi, vj));
            QCOMPARE(g.remEdge(i, j), r.remEdge(i, j));
            break;
        case 5:
            opName = "toggleEdge";
            g.toggleEdge(i, j);
            r.toggleEdge(i, j);
            break;
        case 6:
            opName = "invert";
            g.invert();
            r.invert();
            break;
        case 7: case 8:
            opName = "addNode";
            QCOMPARE(g.addNode(), r.addNode());
            break;
        case 9:
            opName = "remNode()";
            if (r.n > 0)
                QCOMPARE(g.remNode(), r.remNode());
            break;
        case 10:
            opName = "remNode(int)";
            QCOMPARE(g.remNode(i), r.remNode(i));
            break;
        case 11: {
            opName = "randomGraph";
            const int k = pick(0, 32);
            qsrand(static_cast<uint>(step));
            g.randomGraph(k);
            qsrand(static_cast<uint>(step));
            r.randomGraph(k);
            break;
        }
        case 12:
            opName = "best_backup";
            g.best_backup();
            r.backup();
            break;
        case 13:
            opName = "best_restore";
            g.best_restore();
            r.restore();
            break;
        case 14:
            opName = "copy";
            g.copy(onA ? &b : &a);
            r.copyFrom(onA ? rb : ra);
            break;
        default:
            opName = "clear";
            if (pick(0, 5) == 0) {
                g.clear();
                r.clear();
            }
            break;
        }
        QVERIFY2(sameAs(g, r, why), qPrintable(QString("step %1 after %2: %3").arg(step).arg(opName).arg(why)));
    }
}

void tst_Graph::documentedCases()
{
    Graph g("g", false);
    // Path 0-1-2 complemented: only {0, 2}.
    g.loadCurrentGraph("3 101");
    int id = g.getID();
    g.invert();
    QCOMPARE(g.getID(), id);
    QVERIFY(g.edge(0, 2) && !g.edge(0, 1) && !g.edge(1, 2));
    QCOMPARE(g.getNbEdges(), 1);

    // remNode(0) on 3 vertices: vertex 2 becomes vertex 0 with its neighbours.
    g.loadCurrentGraph("3 110"); // edges {0,1}, {0,2}
    QVERIFY(g.remNode(0));
    QCOMPARE(g.getNbNodes(), 2);
    QCOMPARE(g.getNbEdges(), 0);
    g.loadCurrentGraph("3 011"); // edges {0,2}, {1,2}
    QVERIFY(g.remNode(0));
    QVERIFY(g.edge(0, 1));

    // One cell is enough for adjacency; the edge count reads the cell above the diagonal.
    g.loadCurrentGraph("4 ");
    g.toggleEdge(2, 1);
    QVERIFY(g.edge(1, 2) && g.edge(2, 1));
    QCOMPARE(g.getNbEdges(), 0);
    g.toggleEdge(1, 2);
    QCOMPARE(g.getNbEdges(), 1);
    g.toggleEdge(2, 1);
    QVERIFY(g.edge(1, 2));
    g.toggleEdge(3, 3);
    QVERIFY(!g.edge(3, 3));

    // Refusals.
    id = g.getID();
    QVERIFY(!g.addEdge(1, 1));
    QVERIFY(!g.addEdge(1, 4));
    QCOMPARE(g.getID(), id + 2);
    QVERIFY(!g.remEdge(32, 0));
    QVERIFY(!g.remEdge(-1, 0));
    QCOMPARE(g.getID(), id + 2);
    QVERIFY(!g.remNode(4));
    QVERIFY(!g.remNode(-1));
    QCOMPARE(g.getID(), id + 2);
    g.randomGraph(32);
    id = g.getID();
    QVERIFY(!g.addNode());
    QCOMPARE(g.getID(), id);
    QCOMPARE(g.getNbNodes(), 32);

    // Copy of a smaller graph keeps the target's cells beyond the new count.
    Graph small("s", false);
    small.loadCurrentGraph("2 1");
    g.loadCurrentGraph(QString("5 ") + QString(10, '1'));
    g.copy(&small);
    QCOMPARE(g.getNbNodes(), 2);
    QVERIFY(g.addNode());
    QVERIFY(g.edge(2, 0) && g.edge(2, 1));
    // Copying from itself or from nothing changes nothing.
    id = g.getID();
    g.copy(&g);
    g.copy(nullptr);
    QCOMPARE(g.getID(), id);
    QCOMPARE(g.getNbNodes(), 3);

    // getNbEdges of tiny graphs.
    g.loadCurrentGraph("1 ");
    g.toggleEdge(0, 0);
    QCOMPARE(g.getNbEdges(), 0);
    g.loadCurrentGraph("0 ");
    QCOMPARE(g.getNbEdges(), 0);
    QVERIFY(!g.remNode());
    QCOMPARE(g.getNbNodes(), 0);
}

void tst_Graph::invertTwiceRestores()
{
    Graph g("g", false);
    for (int n = 0; n <= 32; ++n) {
        g.randomGraph(n);
        BitGraph before;
        g.snapshot(before);
        const int id = g.getID();
        g.invert();
        BitGraph inverted;
        g.snapshot(inverted);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                QCOMPARE(inverted.edge(i, j), i != j && !before.edge(i, j));
        g.invert();
        // A pair set through one cell, and a cell beyond the block, survive two inversions.
        g.toggleEdge(0, 3);
        if (n < 32)
            g.toggleEdge(n, 0);
        g.snapshot(before);
        g.invert();
        g.invert();
        BitGraph after;
        g.snapshot(after);
        QCOMPARE(g.getID(), id);
        QCOMPARE(std::memcmp(before.row, after.row, sizeof after.row), 0);
        if (n > 0 && n < 32) {
            QVERIFY(g.addNode());
            QVERIFY(g.edge(n, 0));
        }
    }
}

void tst_Graph::counterWraps()
{
    // Pick the seed among a few that starts the counter highest, to reach the wrap quickly.
    uint bestSeed = 0;
    int highest = -1;
    for (uint seed = 1; seed <= 200; ++seed) {
        qsrand(seed);
        for (int k = 0; k < 64; ++k)
            qrand();
        const int start = qrand();
        if (start > highest) {
            highest = start;
            bestSeed = seed;
        }
    }
    qsrand(bestSeed);
    Graph g("g", false);
    const quint32 start = static_cast<quint32>(g.getID());
    quint32 clears = 0;
    while (g.getID() >= 0 && clears < 20000000u) {
        g.clear();
        ++clears;
    }
    QVERIFY(g.getID() < 0);
    QCOMPARE(static_cast<quint32>(g.getID()), start + 496u * clears);
    const int before = g.getID();
    g.best_backup();
    g.addEdge(0, 1);
    QVERIFY(g.getID() != before);
    g.best_restore();
    QCOMPARE(g.getID(), before);
}

void tst_Graph::randomGraphBounds_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -4 << 0;
    QTest::newRow("full") << 32 << 32;
    QTest::newRow("above capacity") << 40 << 32;
}

void tst_Graph::randomGraphBounds()
{
    QFETCH(int, k);
    QFETCH(int, n);
    Graph g("g", false);
    qsrand(5);
    g.randomGraph(k);
    QCOMPARE(g.getNbNodes(), n);
    // Exactly one number per pair.
    qsrand(5);
    for (int p = 0; p < n * (n - 1) / 2; ++p)
        qrand();
    const int next = qrand();
    qsrand(5);
    g.randomGraph(k);
    QCOMPARE(qrand(), next);
}

void tst_Graph::copyAndClone()
{
    Graph g("g", true);
    g.loadCurrentGraph("5 1011001101");
    g.toggleEdge(3, 1);
    Graph *c = g.clone();
    QCOMPARE(c->getName(), QString("Clone"));
    QVERIFY(!c->hasDisplay());
    QVERIFY(!c->scene());
    QCOMPARE(c->getNbNodes(), 5);
    QCOMPARE(c->currentGraphData(), g.currentGraphData());
    QCOMPARE(c->getNbBestNodes(), 10);
    // The copy is symmetric: the one-cell pair counts as an edge above the diagonal too.
    QCOMPARE(g.getNbEdges(), 6);
    QCOMPARE(c->getNbEdges(), 7);
    delete c;
}

void tst_Graph::bestBackupAndRestore()
{
    Graph g("g", false);
    g.loadCurrentGraph("4 101001");
    g.toggleEdge(10, 12);
    g.best_backup();
    const int id = g.getID();
    QCOMPARE(g.getBestID(), id);
    g.randomGraph(7);
    QVERIFY(g.getID() != id);
    QCOMPARE(g.graphData(), QString("4 101001"));
    QVERIFY(g.bestEdge(0, 1) && !g.bestEdge(0, 2));
    g.best_restore();
    QCOMPARE(g.getID(), id);
    QCOMPARE(g.getNbNodes(), 4);
    QCOMPARE(g.currentGraphData(), QString("4 101001"));
    for (int k = 0; k < 32; ++k)
        QCOMPARE(g.getNode(k)->getExists(), k < 4);
    // Cells beyond the count travel with the snapshot.
    for (int k = 0; k < 9; ++k)
        g.addNode();
    QVERIFY(g.edge(10, 12));
    g.clear();
    g.best_backup();
    QCOMPARE(g.getNbBestNodes(), 0);
    QCOMPARE(g.graphData(), QString("0 "));
}

void tst_Graph::changeBestAndSelection()
{
    Graph g("g", true);
    QSignalSpy best(&g, &Graph::signal_best_graph_changed);
    QSignalSpy interactive(&g, &Graph::signal_interactive_graph_changed);
    int id = g.getID();
    g.changeBest();
    QCOMPARE(g.getID(), id + 1);
    QCOMPARE(g.getBestID(), id + 1);
    QCOMPARE(best.count(), 1);

    g.getNode(3)->setSelected(true);
    g.slot_invert_selection();
    for (int k = 0; k < 32; ++k)
        QCOMPARE(g.getNode(k)->isSelected(), k != 3);
    g.slot_select_all();
    for (int k = 0; k < 32; ++k)
        QVERIFY(g.getNode(k)->isSelected());
    g.slot_unselect_all();
    for (int k = 0; k < 32; ++k)
        QVERIFY(!g.getNode(k)->isSelected());
    QCOMPARE(g.getID(), id + 4);
    QCOMPARE(interactive.count(), 3);
    QCOMPARE(best.count(), 1);
}

void tst_Graph::displayFollowsBest()
{
    Graph g("g", true);
    g.loadCurrentGraph(QString("8 ") + QString(28, '1'));
    g.best_backup();
    g.update_display();
    QVERIFY(g.getEdge(7, 6)->isVisible());
    g.loadCurrentGraph(QString("5 ") + QString(10, '1'));
    g.toggleEdge(7, 6); // a best cell outside the shown vertices
    g.best_backup();
    g.loadCurrentGraph("9 ");
    g.update_display();
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(g.getNode(i)->isVisible(), i < 5);
        QCOMPARE(g.getNode(i)->getVisible(), i < 5);
        for (int j = 0; j < i; ++j) {
            QCOMPARE(g.getEdge(i, j)->isVisible(), i < 5);
            QCOMPARE(g.getEdge(i, j)->isShown(), i < 5);
        }
    }
    // Without display the flags move the same way.
    Graph h("h", false);
    h.loadCurrentGraph("3 110");
    h.best_backup();
    h.update_display();
    QVERIFY(h.getEdge(1, 0)->isShown() && h.getEdge(2, 0)->isShown());
    QVERIFY(!h.getEdge(2, 1)->isShown() && !h.getEdge(3, 0)->isShown());
}

void tst_Graph::violationBackground()
{
    Graph g("g", true);
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::white));
    g.setViolated(true);
    g.setViolated(true);
    QVERIFY(g.isViolated());
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::gray));
    g.setViolated(false);
    QCOMPARE(g.backgroundBrush().color(), QColor(Qt::white));
}

void tst_Graph::displayFromAnotherThreadIsQueued()
{
    Graph g("graph", true);
    g.loadmvx("5 0000000000", false);
    g.update_display();
    QVERIFY(!g.getEdge(1, 0)->isVisible());
    std::thread worker([&g] {
        g.loadCurrentGraph("6 111111111111111");
        g.best_backup();
        g.update_display();
        g.setViolated(true);
    });
    worker.join();
    // Model data and plain flags moved in place; the scene and the widget wait for the GUI thread.
    QCOMPARE(g.getNbBestNodes(), 6);
    QVERIFY(g.getNode(5)->getVisible());
    QVERIFY(g.isViolated());
    QVERIFY(!g.getEdge(1, 0)->isVisible());
    QVERIFY(!g.getNode(5)->isVisible());
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
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t)
        threads.emplace_back([&] {
            int rounds = 0;
            while (!stop.load() || rounds < 50) {
                for (int i = 0; i < 32; ++i)
                    for (int j = 0; j < 32; ++j)
                        if (stable.edge(i, j) != expected[i][j])
                            ++wrong;
                ++rounds;
            }
        });
    // A reader of the graph being edited sees a consistent snapshot every time.
    threads.emplace_back([&] {
        while (!stop.load()) {
            BitGraph s;
            edited.snapshot(s);
            for (int i = 0; i < 32; ++i) {
                if (s.row[i] & ~s.vertices() || (s.row[i] >> i) & 1u)
                    ++wrong;
                for (int j = 0; j < 32; ++j)
                    if (s.edge(i, j) != s.edge(j, i))
                        ++wrong;
            }
        }
    });
    std::thread writer([&] {
        qsrand(99);
        for (int k = 0; k < 20000; ++k) {
            const int i = qrand() % 20, j = qrand() % 20;
            switch (k % 4) {
            case 0: edited.addEdge(i, j); break;
            case 1: edited.remEdge(i, j); break;
            case 2: edited.toggleEdge(i, j); break;
            default: edited.invert(); break;
            }
        }
    });
    writer.join();
    stop = true;
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(wrong.load(), 0);
    QCOMPARE(edited.getNbNodes(), 20);
}

#include "tst_Graph.moc"
QTEST_MAIN(tst_Graph)
