#include "GraphFixtures.h"
#include "graph/Graph.h"
#include "graph/GraphString.h"
#include "graph/Node.h"

#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <sstream>

namespace
{

using Edges = QSet<QPair<int, int>>;

Edges edgeSet(const BitGraph &g)
{
    Edges edges;
    for (int i = 0; i < g.n; ++i)
        for (int j = i + 1; j < g.n; ++j)
            if (g.edge(i, j))
                edges.insert(qMakePair(i, j));
    return edges;
}

Edges pairsOf(const QVector<int> &flat)
{
    Edges edges;
    for (int k = 0; k + 1 < flat.size(); k += 2)
        edges.insert(qMakePair(qMin(flat[k], flat[k + 1]), qMax(flat[k], flat[k + 1])));
    return edges;
}

} // namespace

class tst_GraphString : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Node::initColors(); }
    void roundTripEveryOrder();
    void stringForms_data();
    void stringForms();
    void graph6AgainstNauty_data();
    void graph6AgainstNauty();
    void graph6Forms_data();
    void graph6Forms();
    void graphLoaders_data();
    void graphLoaders();
    void graph6Loaders();
    void bestStringReadsLowerCells();
    void counterFollowsEveryChange_data();
    void counterFollowsEveryChange();
};

void tst_GraphString::roundTripEveryOrder()
{
    qsrand(1234);
    for (int n = 0; n <= 32; ++n) {
        const BitGraph g = randomBitGraph(n);
        QCOMPARE(writeGraphString(g), toGraphString(g));
        BitGraph read;
        QVERIFY(readGraphString(toGraphString(g), read));
        QCOMPARE(toGraph6(read), toGraph6(g));
        read = BitGraph();
        QVERIFY(readGraphStringStrict(toGraphString(g), read));
        QCOMPARE(toGraph6(read), toGraph6(g));
        QVERIFY(readGraph6(QString::fromLatin1(toGraph6(g)), read));
        QCOMPARE(toGraph6(read), toGraph6(g));
    }
}

// Every row is read by both graph-string readers: the lenient one as the columns say, the
// strict one, when it accepts, to the same graph.
void tst_GraphString::stringForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n"); // lenient reader, -1: refused
    QTest::addColumn<QVector<int>>("pairs");
    QTest::addColumn<bool>("canonical");
    QTest::addColumn<bool>("strict"); // accepted by the strict reader
    QVector<int> complete;
    for (int i = 0; i < 32; ++i)
        for (int j = i + 1; j < 32; ++j)
            complete << i << j;
    QTest::newRow("empty") << "0 " << 0 << QVector<int>{} << true << true;
    QTest::newRow("one vertex") << "1 " << 1 << QVector<int>{} << true << true;
    QTest::newRow("path P4") << "4 101001" << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << true << true;
    QTest::newRow("star K1,3") << "4 110100" << 4 << QVector<int>{0, 1, 0, 2, 0, 3} << true << true;
    QTest::newRow("K32") << "32 " + QString(496, '1') << 32 << complete << true << true;
    QTest::newRow("carriage return")
        << "3 111\r" << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false << true;
    QTest::newRow("line end") << "3 111\r\n"
                              << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false << true;
    QTest::newRow("one bit short") << "4 10100" << 4 << QVector<int>{0, 1, 1, 2} << false << false;
    QTest::newRow("one bit too many")
        << "3 1111" << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false << false;
    QTest::newRow("other char") << "3 1x1" << 3 << QVector<int>{0, 1, 1, 2} << false << false;
    QTest::newRow("binary") << QString::fromLatin1("3 1\x00"
                                                   "1",
                                                   5)
                            << 3 << QVector<int>{0, 1, 1, 2} << false << false;
    QTest::newRow("letters count") << "abc 111" << 0 << QVector<int>{} << false << false;
    QTest::newRow("empty line") << "" << 0 << QVector<int>{} << false << false;
    QTest::newRow("no blank") << "3" << 3 << QVector<int>{} << false << false;
    QTest::newRow("two blanks") << "3  111" << 3 << QVector<int>{} << false << false;
    QTest::newRow("blank after the field")
        << "3 111 " << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false << false;
    QTest::newRow("blank before the count") << " 3 111" << 0 << QVector<int>{} << false << false;
    QTest::newRow("third field") << "3 100 111" << 3 << QVector<int>{0, 1} << false << false;
    QTest::newRow("count 33") << QString("33 ") + QString(528, '1') << -1 << QVector<int>{} << false
                              << false;
    QTest::newRow("count -1") << "-1 " << -1 << QVector<int>{} << false << false;
    QTest::newRow("count beyond int") << "99999999999 1" << -1 << QVector<int>{} << false << false;
}

void tst_GraphString::stringForms()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    QFETCH(bool, canonical);
    QFETCH(bool, strict);
    const BitGraph before = fromEdges(7, {{5, 6}});
    BitGraph g = before;
    BitGraph s = before;
    QCOMPARE(readGraphStringStrict(text, s), strict);
    QCOMPARE(readGraphString(text, g), n >= 0);
    if (n < 0) {
        QCOMPARE(toGraph6(g), toGraph6(before));
        return;
    }
    QCOMPARE(g.n, n);
    QCOMPARE(edgeSet(g), pairsOf(pairs));
    for (int i = 0; i < 32; ++i)
        QVERIFY((g.row[i] & ~BitGraph::maskOf(n)) == 0 && !g.edge(i, i));
    QCOMPARE(toGraph6(s), toGraph6(strict ? g : before));
    if (canonical)
        QCOMPARE(writeGraphString(g), text);
}

void tst_GraphString::graph6AgainstNauty_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("all graphs on 6") << "nauty-geng" << QStringList{"-q", "6"};
    for (int n = 2; n <= 32; ++n)
        QTest::newRow(qPrintable(QString("random order %1").arg(n)))
            << "nauty-genrang"
            << QStringList{"-g", "-q", "-P1/2", QString("-S%1").arg(n), QString::number(n), "10"};
    for (const char *p : {"1/20", "19/20"})
        QTest::newRow(qPrintable(QString("order 32 with p = %1").arg(p)))
            << "nauty-genrang" << QStringList{"-g", "-q", QString("-P") + p, "-S7", "32", "50"};
}

void tst_GraphString::graph6AgainstNauty()
{
    for (const char *tool : {"nauty-geng", "nauty-listg", "nauty-genrang"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP("nauty programs not installed");
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const QList<QByteArray> g6 = runProgram(program, args);
    QVERIFY(!g6.isEmpty());
    // nauty's own lister gives, per line: order, edge count, then the edges.
    QTextStream listed(runProgram("nauty-listg", {"-e", "-q"}, g6.join('\n') + '\n').join(' '));
    for (const QByteArray &line : g6) {
        int n = -1, m = 0;
        listed >> n >> m;
        QVector<int> flat(2 * m);
        for (int &v : flat)
            listed >> v;
        BitGraph g;
        QVERIFY2(readGraph6(QString::fromLatin1(line), g), line.constData());
        QCOMPARE(g.n, n);
        QCOMPARE(edgeSet(g), pairsOf(flat));
        QCOMPARE(writeGraph6(g), line);
    }
}

void tst_GraphString::graph6Forms_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("n"); // -1: refused
    QTest::addColumn<QVector<int>>("pairs");
    QVector<int> complete;
    for (int j = 1; j < 32; ++j)
        for (int i = 0; i < j; ++i)
            complete << i << j;
    QTest::newRow("triangle") << "Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("path 0-1-2") << "Bg" << 3 << QVector<int>{0, 1, 1, 2};
    QTest::newRow("one edge") << "A_" << 2 << QVector<int>{0, 1};
    QTest::newRow("K32") << "_" + QString(83, '~') << 32 << complete;
    QTest::newRow("empty graph") << "?" << 0 << QVector<int>{};
    QTest::newRow("carriage return") << "Bw\r" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("line feed") << "Bw\r\n" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("empty line") << "" << -1 << QVector<int>{};
    QTest::newRow("order 33") << "`" + QString(88, '~') << -1 << QVector<int>{};
    QTest::newRow("long form") << "~?@?" << -1 << QVector<int>{};
    QTest::newRow("short data") << "E??" << -1 << QVector<int>{};
    QTest::newRow("no data") << "C" << -1 << QVector<int>{};
    QTest::newRow("order 32 short") << "_" + QString(82, '~') << -1 << QVector<int>{};
    QTest::newRow("header") << ">>graph6<<Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("header alone") << ">>graph6<<" << -1 << QVector<int>{};
    QTest::newRow("header twice") << ">>graph6<<>>graph6<<Bw" << -1 << QVector<int>{};
    QTest::newRow("text after the data") << "C~ junk!" << -1 << QVector<int>{};
    QTest::newRow("one character too many") << "Bww" << -1 << QVector<int>{};
    QTest::newRow("blank after the data") << "Bw " << -1 << QVector<int>{};
    QTest::newRow("data for order 0") << "?~" << -1 << QVector<int>{};
    QTest::newRow("data below range") << "B!" << -1 << QVector<int>{};
    QTest::newRow("data above range") << "B\x7f" << -1 << QVector<int>{};
    QTest::newRow("outside latin-1") << QString("B") + QChar(0x263a) << -1 << QVector<int>{};
}

void tst_GraphString::graph6Forms()
{
    QFETCH(QString, line);
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    const BitGraph before = fromEdges(7, {{5, 6}});
    BitGraph g = before;
    QCOMPARE(readGraph6(line, g), n >= 0);
    if (n >= 0) {
        QCOMPARE(g.n, n);
        QCOMPARE(edgeSet(g), pairsOf(pairs));
    } else {
        QCOMPARE(toGraph6(g), toGraph6(before));
    }
    // The stream form reads one line per call and keeps the graph at the end of the stream.
    Graph graph("g", false);
    std::istringstream in(line.toStdString() + "\n");
    QCOMPARE(graph.loadg6(in), n >= 0);
    if (n >= 0)
        QCOMPARE(graph.currentGraphData(), writeGraphString(g));
    const QString after = graph.currentGraphData();
    QVERIFY(!graph.loadg6(in));
    QCOMPARE(graph.currentGraphData(), after);
}

// What the graph's string readers do to the graph beyond the parse.
void tst_GraphString::graphLoaders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n"); // -1: refused
    QTest::newRow("empty") << "0 " << 0;
    QTest::newRow("one vertex") << "1 " << 1;
    QTest::newRow("path P4") << "4 101001" << 4;
    QTest::newRow("short field") << "5 1" << 5;
    QTest::newRow("count 33") << "33 " << -1;
}

void tst_GraphString::graphLoaders()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    BitGraph parsed;
    QCOMPARE(readGraphString(text, parsed), n >= 0);
    Graph g("g", false);
    // Cells beyond the count keep their values.
    g.loadCurrentGraph(QString("32 ") + QString(496, '1'));
    g.best_backup();
    const QString before = g.currentGraphData();
    const int id = g.getID();
    QCOMPARE(g.loadCurrentGraph(text), n >= 0);
    if (n < 0) {
        QVERIFY(!g.loadmvx(text, false) && !g.loadmvx(text, true));
        QVERIFY(g.currentGraphData() == before && g.graphData() == before && g.getID() == id);
        return;
    }
    // The graph had 32 vertices: a new count moves the counter even without a pair.
    QCOMPARE(g.getID() - id, qMax(n * (n - 1) / 2, 1));
    QCOMPARE(g.currentGraphData(), writeGraphString(parsed));
    QCOMPARE(g.getNbBestNodes(), 32);
    for (int k = 0; k < 32; ++k)
        QCOMPARE(g.getNode(k)->getExists(), k < n);
    if (n < 32 && g.addNode())
        QCOMPARE(g.edge(n, 0), n > 0);
    for (bool reset : {false, true}) {
        Graph h("h", false);
        h.slot_select_all();
        QSignalSpy changed(&h, &Graph::signal_best_graph_changed);
        QVERIFY(h.loadmvx(text, reset));
        QCOMPARE(h.graphData(), writeGraphString(parsed));
        QCOMPARE(h.getNbBestNodes(), n);
        QCOMPARE(changed.count(), int(reset));
        QCOMPARE(h.getNode(0)->isSelected(), !reset);
    }
}

void tst_GraphString::graph6Loaders()
{
    for (bool reset : {false, true}) {
        Graph g("g", false);
        g.toggleEdge(20, 25);
        g.best_backup();
        const QString best = g.graphData();
        const int id = g.getID();
        QVERIFY(g.loadg6("Bw", reset));
        QCOMPARE(g.currentGraphData(), QString("3 111"));
        // With reset the best copy holds the bare vertices, taken before the edges.
        QCOMPARE(g.graphData(), reset ? QString("3 000") : best);
        // A refused line leaves the graph, its best copy and its counter alone.
        const QString loaded = g.currentGraphData(), loadedBest = g.graphData();
        const int loadedId = g.getID();
        QVERIFY(id != loadedId && !g.loadg6("C~ junk!", reset));
        QVERIFY(g.currentGraphData() == loaded && g.graphData() == loadedBest &&
                g.getID() == loadedId);
        while (g.addNode()) {
        }
        QCOMPARE(g.edge(20, 25), !reset);
    }
}

void tst_GraphString::bestStringReadsLowerCells()
{
    Graph g("g", false);
    g.loadCurrentGraph("4 000000");
    g.toggleEdge(2, 0); // the cell below the diagonal
    g.toggleEdge(1, 3); // the cell above it
    g.best_backup();
    QCOMPARE(g.graphData(), QString("4 010000"));
    // The current graph is read by adjacency, either cell.
    QCOMPARE(g.currentGraphData(), QString("4 010010"));
}

// Items recompute only when the counter moved: a load that changes the vertex count or a cell
// must move it, whatever the order.
void tst_GraphString::counterFollowsEveryChange_data()
{
    QTest::addColumn<QString>("before"); // graph string
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("graph6");
    QTest::addColumn<bool>("moves");
    QTest::newRow("3 to 1") << "3 100" << "1 " << false << true;
    QTest::newRow("1 to 0") << "1 " << "0 " << false << true;
    QTest::newRow("0 to 1") << "0 " << "1 " << false << true;
    QTest::newRow("1 to 1") << "1 " << "1 " << false << false;
    QTest::newRow("0 to 0") << "0 " << "0 " << false << false;
    QTest::newRow("same pair again") << "2 1" << "2 1" << false << true;
    QTest::newRow("graph6 3 to 1") << "3 100" << "@" << true << true;
    QTest::newRow("graph6 1 to 0") << "1 " << "?" << true << true;
    QTest::newRow("graph6 0 to 1") << "0 " << "@" << true << true;
    QTest::newRow("graph6 1 to 1") << "1 " << "@" << true << false;
}

void tst_GraphString::counterFollowsEveryChange()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(bool, graph6);
    QFETCH(bool, moves);
    const int n = graph6 ? text.at(0).unicode() - 63 : text.section(' ', 0, 0).toInt();
    for (int reader = 0; reader < 2; ++reader) {
        Graph g("g", false);
        QVERIFY(g.loadmvx(before, true));
        const int id = g.getID();
        QVERIFY(graph6    ? g.loadg6(text, false)
                : reader ? g.loadmvx(text, false)
                         : g.loadCurrentGraph(text));
        QCOMPARE(g.getNbNodes(), n);
        QCOMPARE(g.getID() != id, moves);
    }
}

#include "tst_GraphString.moc"
QTEST_MAIN(tst_GraphString)
