#include "GraphFixtures.h"
#include "graph/Graph.h"
#include "graph/Node.h"

#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <sstream>

namespace
{

using Edges = QSet<QPair<int, int>>;

Edges edgeSet(const Graph &g)
{
    Edges edges;
    for (int i = 0; i < g.getNbNodes(); ++i)
        for (int j = i + 1; j < g.getNbNodes(); ++j)
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
    void counterFollowsEveryChange_data();
    void counterFollowsEveryChange();
};

void tst_GraphString::roundTripEveryOrder()
{
    qsrand(1234);
    Graph target("dst", false);
    for (int n = 0; n <= 32; ++n) {
        const BitGraph g = randomBitGraph(n);
        Graph source("src", false);
        QVERIFY(source.loadCurrentGraph(toGraphString(g)));
        source.best_backup();
        QCOMPARE(source.graphData(), toGraphString(g));
        QVERIFY(target.loadmvx(source.graphData(), n % 2));
        BitGraph read;
        target.snapshot(read);
        QCOMPARE(toGraph6(read), toGraph6(g));
    }
}

void tst_GraphString::stringForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n"); // -1: refused
    QTest::addColumn<QVector<int>>("pairs");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("empty") << "0 " << 0 << QVector<int>{} << true;
    QTest::newRow("path P4") << "4 101001" << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << true;
    QTest::newRow("star K1,3") << "4 110100" << 4 << QVector<int>{0, 1, 0, 2, 0, 3} << true;
    QTest::newRow("short field") << "5 1" << 5 << QVector<int>{0, 1} << false;
    QTest::newRow("surplus ignored") << "3 1111111" << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false;
    QTest::newRow("other char") << "3 1x1" << 3 << QVector<int>{0, 1, 1, 2} << false;
    QTest::newRow("letters count") << "abc 111" << 0 << QVector<int>{} << false;
    QTest::newRow("no blank") << "3" << 3 << QVector<int>{} << false;
    QTest::newRow("third field") << "3 100 111" << 3 << QVector<int>{0, 1} << false;
    QTest::newRow("count 33") << QString("33 ") + QString(528, '1') << -1 << QVector<int>{}
                              << false;
    QTest::newRow("count -1") << "-1 " << -1 << QVector<int>{} << false;
    QTest::newRow("count beyond int") << "99999999999 1" << -1 << QVector<int>{} << false;
}

void tst_GraphString::stringForms()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    QFETCH(bool, canonical);
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
    QCOMPARE(g.getNbNodes(), n);
    QCOMPARE(edgeSet(g), pairsOf(pairs));
    QCOMPARE(g.getNbBestNodes(), 32);
    for (int k = 0; k < 32; ++k)
        QCOMPARE(g.getNode(k)->getExists(), k < n);
    if (canonical)
        QCOMPARE(g.currentGraphData(), text);
    if (n < 32 && g.addNode())
        QCOMPARE(g.edge(n, 0), n > 0);
    for (bool reset : {false, true}) {
        Graph h("h", false);
        h.slot_select_all();
        QSignalSpy changed(&h, &Graph::signal_best_graph_changed);
        QVERIFY(h.loadmvx(text, reset));
        QCOMPARE(edgeSet(h), pairsOf(pairs));
        QCOMPARE(h.getNbBestNodes(), n);
        QCOMPARE(changed.count(), int(reset));
        QCOMPARE(h.getNode(0)->isSelected(), !reset);
    }
}

void tst_GraphString::graph6AgainstNauty_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("all graphs on 5") << "nauty-geng" << QStringList{"-q", "5"};
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
    Graph g("g", false);
    for (const QByteArray &line : g6) {
        int n = -1, m = 0;
        listed >> n >> m;
        QVector<int> flat(2 * m);
        for (int &v : flat)
            listed >> v;
        g.randomGraph(32);
        QVERIFY2(g.loadg6(QString::fromLatin1(line), false), line.constData());
        QCOMPARE(g.getNbNodes(), n);
        QCOMPARE(edgeSet(g), pairsOf(flat));
    }
}

void tst_GraphString::graph6Forms_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("n"); // -1: refused
    QTest::addColumn<QVector<int>>("pairs");
    QTest::newRow("triangle") << "Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("empty graph") << "?" << 0 << QVector<int>{};
    QTest::newRow("carriage return") << "Bw\r" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("empty line") << "" << -1 << QVector<int>{};
    QTest::newRow("order 33") << "`" + QString(88, '~') << -1 << QVector<int>{};
    QTest::newRow("long form") << "~?@?" << -1 << QVector<int>{};
    QTest::newRow("short data") << "E??" << -1 << QVector<int>{};
    QTest::newRow("order 32 short") << "_" + QString(82, '~') << -1 << QVector<int>{};
    QTest::newRow("header") << ">>graph6<<Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("header alone") << ">>graph6<<" << -1 << QVector<int>{};
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
    for (bool reset : {false, true}) {
        Graph g("g", false);
        g.toggleEdge(20, 25);
        g.best_backup();
        const QString current = g.currentGraphData(), best = g.graphData();
        const int id = g.getID();
        QCOMPARE(g.loadg6(line, reset), n >= 0);
        if (n >= 0) {
            QCOMPARE(g.getNbNodes(), n);
            QCOMPARE(edgeSet(g), pairsOf(pairs));
            // With reset the best copy holds the bare vertices.
            QCOMPARE(g.graphData(), reset ? toGraphString(fromEdges(n, {})) : best);
            continue;
        }
        QVERIFY(g.currentGraphData() == current && g.graphData() == best && g.getID() == id);
        while (g.addNode()) {
        }
        QVERIFY(g.edge(20, 25));
    }
    // The stream form reads one line per call and keeps the graph at the end of the stream.
    Graph g("g", false);
    std::istringstream in(line.toStdString() + "\n");
    QCOMPARE(g.loadg6(in), n >= 0);
    const QString after = g.currentGraphData();
    QVERIFY(!g.loadg6(in));
    QCOMPARE(g.currentGraphData(), after);
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
    QTest::newRow("0 to 2") << "0 " << "2 1" << false << true;
    QTest::newRow("2 to 1") << "2 1" << "1 " << false << true;
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
