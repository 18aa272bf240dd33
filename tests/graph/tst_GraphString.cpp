#include "graph/Graph.h"
#include "graph/Node.h"

#include <QProcess>
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

// Count, blank, then the lower triangle row by row, written from the edge list.
QString handWritten(int n, const Edges &edges)
{
    QString s = QString::number(n) + " ";
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j)
            s += edges.contains(qMakePair(j, i)) ? "1" : "0";
    return s;
}

QByteArray runTool(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted())
        return QByteArray();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

class tst_GraphString : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTripEveryOrder();
    void stringForms_data();
    void stringForms();
    void countOutOfRangeLeavesGraph();
    void loadmvxReset();
    void graph6AgainstNauty_data();
    void graph6AgainstNauty();
    void graph6Forms_data();
    void graph6Forms();
    void graph6Stream();
};

void tst_GraphString::initTestCase()
{
    Node::initColors();
    qsrand(1234);
}

void tst_GraphString::roundTripEveryOrder()
{
    Graph source("src", false), target("dst", false);
    for (int n = 0; n <= 32; ++n)
        for (int rep = 0; rep < 3; ++rep) {
            source.randomGraph(n);
            source.best_backup();
            const Edges edges = edgeSet(source);
            const QString text = source.graphData();
            QCOMPARE(text, handWritten(n, edges));
            QCOMPARE(source.currentGraphData(), text);
            QVERIFY(target.loadmvx(text, rep == 1));
            QCOMPARE(target.getNbNodes(), n);
            QCOMPARE(edgeSet(target), edges);
            QCOMPARE(target.graphData(), text);
        }
}

void tst_GraphString::stringForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int>>("pairs");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("empty") << "0 " << 0 << QVector<int>{} << true;
    QTest::newRow("one vertex") << "1 " << 1 << QVector<int>{} << true;
    QTest::newRow("path P3") << "3 101" << 3 << QVector<int>{0, 1, 1, 2} << true;
    QTest::newRow("path P4") << "4 101001" << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << true;
    QTest::newRow("star K1,3") << "4 110100" << 4 << QVector<int>{0, 1, 0, 2, 0, 3} << true;
    QTest::newRow("short field") << "5 1" << 5 << QVector<int>{0, 1} << false;
    QTest::newRow("surplus ignored") << "3 1111111" << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << false;
    QTest::newRow("other char") << "3 1x1" << 3 << QVector<int>{0, 1, 1, 2} << false;
    QTest::newRow("two blanks") << "3  111" << 3 << QVector<int>{} << false;
    QTest::newRow("letters count") << "abc 111" << 0 << QVector<int>{} << false;
    QTest::newRow("no blank") << "3" << 3 << QVector<int>{} << false;
    QTest::newRow("third field") << "3 100 111" << 3 << QVector<int>{0, 1} << false;
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
    const int id = g.getID();
    QVERIFY(g.loadCurrentGraph(text));
    QCOMPARE(g.getID() - id, n * (n - 1) / 2);
    QCOMPARE(g.getNbNodes(), n);
    QCOMPARE(edgeSet(g), pairsOf(pairs));
    QCOMPARE(g.getNbBestNodes(), 10);
    for (int k = 0; k < 32; ++k)
        QCOMPARE(g.getNode(k)->getExists(), k < n);
    if (canonical)
        QCOMPARE(g.currentGraphData(), text);
    if (n < 32 && g.addNode())
        QCOMPARE(g.edge(n, 0), n > 0);
    for (bool reset : {false, true}) {
        Graph h("h", false);
        QVERIFY(h.loadmvx(text, reset));
        QCOMPARE(edgeSet(h), pairsOf(pairs));
        QCOMPARE(h.getNbBestNodes(), n);
    }
}

void tst_GraphString::countOutOfRangeLeavesGraph()
{
    for (const QString &text :
         {QString("33 ") + QString(528, '1'), QString("-1 "), QString("99999999999 1")}) {
        Graph g("g", false);
        g.best_backup();
        const QString before = g.currentGraphData();
        const int id = g.getID();
        QVERIFY(!g.loadCurrentGraph(text));
        QVERIFY(!g.loadmvx(text, false));
        QVERIFY(!g.loadmvx(text, true));
        QCOMPARE(g.currentGraphData(), before);
        QCOMPARE(g.graphData(), before);
        QCOMPARE(g.getID(), id);
    }
}

void tst_GraphString::loadmvxReset()
{
    Graph g("g", false);
    g.slot_select_all();
    QSignalSpy changed(&g, &Graph::signal_best_graph_changed);
    QVERIFY(g.loadmvx("4 101001", false));
    QCOMPARE(changed.count(), 0);
    QVERIFY(g.getNode(0)->isSelected());
    QVERIFY(g.loadmvx("4 101001", true));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!g.getNode(0)->isSelected());
    QCOMPARE(g.graphData(), QString("4 101001"));
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
    const QByteArray g6 = runTool(program, args);
    // nauty's own lister gives, per line: order, edge count, then the edges.
    QTextStream listed(runTool("nauty-listg", {"-e", "-q"}, g6));
    Graph g("g", false);
    int lines = 0;
    for (const QByteArray &line : g6.split('\n')) {
        if (line.isEmpty())
            continue;
        int n = -1, m = 0;
        listed >> n >> m;
        QVector<int> flat(2 * m);
        for (int &v : flat)
            listed >> v;
        g.randomGraph(32);
        QVERIFY2(g.loadg6(QString::fromLatin1(line), false), line.constData());
        QCOMPARE(g.getNbNodes(), n);
        QCOMPARE(edgeSet(g), pairsOf(flat));
        ++lines;
    }
    QVERIFY(lines > 0);
}

void tst_GraphString::graph6Forms_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("n"); // -1: refused
    QTest::addColumn<QVector<int>>("pairs");
    QTest::newRow("triangle") << "Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("path") << "Bg" << 3 << QVector<int>{0, 1, 1, 2};
    QTest::newRow("K4") << "C~" << 4 << QVector<int>{0, 1, 0, 2, 1, 2, 0, 3, 1, 3, 2, 3};
    QTest::newRow("one edge") << "A_" << 2 << QVector<int>{0, 1};
    QTest::newRow("two isolated") << "A?" << 2 << QVector<int>{};
    QTest::newRow("empty graph") << "?" << 0 << QVector<int>{};
    QTest::newRow("one vertex") << "@" << 1 << QVector<int>{};
    QTest::newRow("carriage return") << "Bw\r" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("empty line") << "" << -1 << QVector<int>{};
    QTest::newRow("order 33") << "`" + QString(88, '~') << -1 << QVector<int>{};
    QTest::newRow("long form") << "~?@?" << -1 << QVector<int>{};
    QTest::newRow("header") << ">>graph6<<Bw" << -1 << QVector<int>{};
    QTest::newRow("short data") << "E??" << -1 << QVector<int>{};
    QTest::newRow("order 32 short") << "_" + QString(82, '~') << -1 << QVector<int>{};
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
            QCOMPARE(g.graphData(), reset ? handWritten(n, {}) : best);
            continue;
        }
        QCOMPARE(g.currentGraphData(), current);
        QCOMPARE(g.graphData(), best);
        QCOMPARE(g.getID(), id);
        for (int k = 0; k < 32; ++k)
            QCOMPARE(g.getNode(k)->getExists(), k < 10);
        while (g.addNode()) {
        }
        QVERIFY(g.edge(20, 25));
    }
}

void tst_GraphString::graph6Stream()
{
    Graph g("g", false);
    std::istringstream in("Bw\nC~\n_\n");
    QVERIFY(g.loadg6(in));
    QCOMPARE(g.getNbEdges(), 3);
    QVERIFY(g.loadg6(in));
    QCOMPARE(g.getNbEdges(), 6);
    QCOMPARE(g.getNbBestNodes(), 10);
    const QString before = g.currentGraphData();
    QVERIFY(!g.loadg6(in));
    QCOMPARE(g.currentGraphData(), before);
}

#include "tst_GraphString.moc"
QTEST_MAIN(tst_GraphString)
