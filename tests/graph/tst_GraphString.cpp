#include "graph/Graph.h"
#include "graph/Node.h"

#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <sstream>

namespace {

// Edge set of the current graph, each pair as (smaller, larger).
QSet<QPair<int, int> > edgeSet(const Graph &g)
{
    QSet<QPair<int, int> > edges;
    for (int i = 0; i < g.getNbNodes(); ++i)
        for (int j = i + 1; j < g.getNbNodes(); ++j)
            if (g.edge(i, j))
                edges.insert(qMakePair(i, j));
    return edges;
}

// Graph string written by hand from an edge list: count, blank, lower triangle row by row.
QString handWritten(int n, const QSet<QPair<int, int> > &edges)
{
    QString s = QString::number(n) + " ";
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j)
            s += edges.contains(qMakePair(j, i)) ? "1" : "0";
    return s;
}

struct NautyGraph {
    QString line;
    int n = 0;
    QSet<QPair<int, int> > edges;
};

QByteArray runTool(const QString &program, const QStringList &args, const QByteArray &input)
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

// The graph6 lines and, for each, the edges that nauty's own lister reports.
QVector<NautyGraph> nautyDecoded(const QByteArray &g6)
{
    QVector<NautyGraph> result;
    const QList<QByteArray> lines = g6.split('\n');
    for (const QByteArray &l : lines)
        if (!l.trimmed().isEmpty()) {
            NautyGraph g;
            g.line = QString::fromLatin1(l.trimmed());
            result.append(g);
        }
    const QByteArray listed = runTool("nauty-listg", {"-e", "-q"}, g6);
    QTextStream in(listed);
    for (NautyGraph &g : result) {
        int m = 0;
        in >> g.n >> m;
        for (int k = 0; k < m; ++k) {
            int a, b;
            in >> a >> b;
            g.edges.insert(qMakePair(qMin(a, b), qMax(a, b)));
        }
    }
    return result;
}

bool haveNauty()
{
    for (const char *tool : {"nauty-geng", "nauty-listg", "nauty-genrang"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return false;
    return true;
}

} // namespace

class tst_GraphString : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTripEveryOrder();
    void writtenForms_data();
    void writtenForms();
    void readForms_data();
    void readForms();
    void readCounterMoves();
    void countOutOfRangeLeavesGraph_data();
    void countOutOfRangeLeavesGraph();
    void loadmvxReset();
    void graph6AgainstNauty_data();
    void graph6AgainstNauty();
    void graph6Examples_data();
    void graph6Examples();
    void graph6RejectsLeaveGraph_data();
    void graph6RejectsLeaveGraph();
    void graph6ResetTakesBareBest();
    void graph6Stream();
};

void tst_GraphString::initTestCase()
{
    Node::initColors();
    qsrand(1234);
}

void tst_GraphString::roundTripEveryOrder()
{
    Graph source("src", false);
    Graph target("dst", false);
    for (int n = 0; n <= 32; ++n) {
        for (int rep = 0; rep < 3; ++rep) {
            source.randomGraph(n);
            source.best_backup();
            const QSet<QPair<int, int> > edges = edgeSet(source);
            const QString best = source.graphData();
            QCOMPARE(best, handWritten(n, edges));
            QCOMPARE(source.currentGraphData(), best);
            QVERIFY(target.loadmvx(best, rep == 1));
            QCOMPARE(target.getNbNodes(), n);
            QCOMPARE(edgeSet(target), edges);
            QCOMPARE(target.graphData(), best);
            QVERIFY(target.loadCurrentGraph(handWritten(0, {})));
            QVERIFY(target.loadCurrentGraph(best));
            QCOMPARE(edgeSet(target), edges);
        }
    }
}

void tst_GraphString::writtenForms_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int> >("pairs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << 0 << QVector<int>{} << "0 ";
    QTest::newRow("one vertex") << 1 << QVector<int>{} << "1 ";
    QTest::newRow("path P3") << 3 << QVector<int>{0, 1, 1, 2} << "3 101";
    QTest::newRow("path P4") << 4 << QVector<int>{0, 1, 1, 2, 2, 3} << "4 101001";
    QTest::newRow("triangle") << 3 << QVector<int>{0, 1, 0, 2, 1, 2} << "3 111";
    QTest::newRow("star K1,3") << 4 << QVector<int>{0, 1, 0, 2, 0, 3} << "4 110100";
}

void tst_GraphString::writtenForms()
{
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    QFETCH(QString, expected);
    Graph g("g", false);
    g.randomGraph(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            g.remEdge(i, j);
    for (int k = 0; k < pairs.size(); k += 2)
        QVERIFY(g.addEdge(pairs[k], pairs[k + 1]));
    QCOMPARE(g.currentGraphData(), expected);
    g.best_backup();
    QCOMPARE(g.graphData(), expected);
}

void tst_GraphString::readForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int> >("pairs");
    QTest::newRow("path P4") << "4 101001" << 4 << QVector<int>{0, 1, 1, 2, 2, 3};
    QTest::newRow("short field") << "5 1" << 5 << QVector<int>{0, 1};
    QTest::newRow("surplus ignored") << "3 1111111" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("other char is non-edge") << "3 1x1" << 3 << QVector<int>{0, 1, 1, 2};
    QTest::newRow("two blanks") << "3  111" << 3 << QVector<int>{};
    QTest::newRow("letters count") << "abc 111" << 0 << QVector<int>{};
    QTest::newRow("no blank") << "3" << 3 << QVector<int>{};
    QTest::newRow("third field ignored") << "3 100 111" << 3 << QVector<int>{0, 1};
    QTest::newRow("full order") << QString("32 ") + QString(496, '1') << 32 << QVector<int>{-1};
}

void tst_GraphString::readForms()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    QSet<QPair<int, int> > expected;
    if (pairs == QVector<int>{-1}) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                expected.insert(qMakePair(i, j));
    } else {
        for (int k = 0; k < pairs.size(); k += 2)
            expected.insert(qMakePair(pairs[k], pairs[k + 1]));
    }
    for (bool reset : {false, true}) {
        Graph g("g", false);
        g.randomGraph(12);
        QVERIFY(g.loadmvx(text, reset));
        QCOMPARE(g.getNbNodes(), n);
        QCOMPARE(edgeSet(g), expected);
        QCOMPARE(g.getNbBestNodes(), n);
        for (int k = 0; k < 32; ++k)
            QCOMPARE(g.getNode(k)->getExists(), k < n);
    }
    Graph h("h", false);
    QVERIFY(h.loadCurrentGraph(text));
    QCOMPARE(edgeSet(h), expected);
    QCOMPARE(h.getNbBestNodes(), 10);
}

void tst_GraphString::readCounterMoves()
{
    Graph g("g", false);
    for (int n : {0, 1, 2, 7, 32}) {
        const int before = g.getID();
        QVERIFY(g.loadCurrentGraph(QString::number(n) + " 1"));
        QCOMPARE(g.getID() - before, n * (n - 1) / 2);
    }
    // Cells beyond the count keep their values.
    g.loadCurrentGraph("5 ");
    g.toggleEdge(3, 7);
    g.toggleEdge(7, 3);
    QVERIFY(g.loadCurrentGraph("4 111111"));
    QVERIFY(g.addNode() && g.addNode() && g.addNode() && g.addNode());
    QVERIFY(g.edge(3, 7));
    QVERIFY(!g.edge(4, 7));
}

void tst_GraphString::countOutOfRangeLeavesGraph_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("33") << QString("33 ") + QString(528, '1');
    QTest::newRow("negative") << "-1 ";
    QTest::newRow("huge") << "99999999999 1";
}

void tst_GraphString::countOutOfRangeLeavesGraph()
{
    QFETCH(QString, text);
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
    for (int k = 0; k < 32; ++k)
        QVERIFY(!g.getNode(k)->isSelected());
    QCOMPARE(g.graphData(), QString("4 101001"));
}

void tst_GraphString::graph6AgainstNauty_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("all graphs on 5") << "nauty-geng" << QStringList{"-q", "5"};
    QTest::newRow("all graphs on 6") << "nauty-geng" << QStringList{"-q", "6"};
    QTest::newRow("connected on 7") << "nauty-geng" << QStringList{"-q", "-c", "7"};
    for (int n = 2; n <= 32; ++n)
        QTest::newRow(qPrintable(QString("random order %1").arg(n)))
            << "nauty-genrang" << QStringList{"-g", "-q", "-P1/2", QString("-S%1").arg(n), QString::number(n), "10"};
    QTest::newRow("sparse order 32")
        << "nauty-genrang" << QStringList{"-g", "-q", "-P1/20", "-S7", "32", "50"};
    QTest::newRow("dense order 32")
        << "nauty-genrang" << QStringList{"-g", "-q", "-P19/20", "-S8", "32", "50"};
}

void tst_GraphString::graph6AgainstNauty()
{
    if (!haveNauty())
        QSKIP("nauty programs not installed");
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const QByteArray g6 = runTool(program, args, QByteArray());
    const QVector<NautyGraph> graphs = nautyDecoded(g6);
    QVERIFY(!graphs.isEmpty());
    Graph g("g", false);
    for (const NautyGraph &expected : graphs) {
        g.randomGraph(32);
        QVERIFY2(g.loadg6(expected.line, false), qPrintable(expected.line));
        QCOMPARE(g.getNbNodes(), expected.n);
        QCOMPARE(edgeSet(g), expected.edges);
    }
}

void tst_GraphString::graph6Examples_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int> >("pairs");
    QTest::newRow("triangle") << "Bw" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
    QTest::newRow("path") << "Bg" << 3 << QVector<int>{0, 1, 1, 2};
    QTest::newRow("K4") << "C~" << 4 << QVector<int>{0, 1, 0, 2, 1, 2, 0, 3, 1, 3, 2, 3};
    QTest::newRow("one edge") << "A_" << 2 << QVector<int>{0, 1};
    QTest::newRow("two isolated") << "A?" << 2 << QVector<int>{};
    QTest::newRow("empty graph") << "?" << 0 << QVector<int>{};
    QTest::newRow("one vertex") << "@" << 1 << QVector<int>{};
    QTest::newRow("carriage return kept out") << "Bw\r" << 3 << QVector<int>{0, 1, 0, 2, 1, 2};
}

void tst_GraphString::graph6Examples()
{
    QFETCH(QString, line);
    QFETCH(int, n);
    QFETCH(QVector<int>, pairs);
    QSet<QPair<int, int> > expected;
    for (int k = 0; k < pairs.size(); k += 2)
        expected.insert(qMakePair(pairs[k], pairs[k + 1]));
    Graph g("g", false);
    QVERIFY(g.loadg6(line, false));
    QCOMPARE(g.getNbNodes(), n);
    QCOMPARE(edgeSet(g), expected);
}

void tst_GraphString::graph6RejectsLeaveGraph_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty line") << "";
    QTest::newRow("order 33") << "`" + QString(88, '~');
    QTest::newRow("long form") << "~?@?";
    QTest::newRow("header") << ">>graph6<<Bw";
    QTest::newRow("short data") << "E??";
    QTest::newRow("missing data") << "D";
    QTest::newRow("order 32 short") << "_" + QString(82, '~');
    QTest::newRow("data below range") << "B!";
    QTest::newRow("data above range") << "B\x7f";
    QTest::newRow("outside latin-1") << QString("B") + QChar(0x263a);
}

void tst_GraphString::graph6RejectsLeaveGraph()
{
    QFETCH(QString, line);
    for (bool reset : {false, true}) {
        Graph g("g", false);
        g.toggleEdge(20, 25);
        g.best_backup();
        const QString current = g.currentGraphData();
        const QString best = g.graphData();
        const int id = g.getID();
        QVERIFY(!g.loadg6(line, reset));
        QCOMPARE(g.getNbNodes(), 10);
        QCOMPARE(g.currentGraphData(), current);
        QCOMPARE(g.graphData(), best);
        QCOMPARE(g.getID(), id);
        for (int k = 0; k < 32; ++k)
            QCOMPARE(g.getNode(k)->getExists(), k < 10);
        // Cells beyond the count are untouched too.
        QVERIFY(g.addNode() && g.addNode() && g.addNode() && g.addNode() && g.addNode());
        QVERIFY(g.addNode() && g.addNode() && g.addNode() && g.addNode() && g.addNode());
        QVERIFY(g.addNode() && g.addNode() && g.addNode() && g.addNode() && g.addNode());
        QVERIFY(g.addNode());
        QVERIFY(g.edge(20, 25));
    }
}

void tst_GraphString::graph6ResetTakesBareBest()
{
    Graph g("g", false);
    QVERIFY(g.loadg6("C~", true));
    QCOMPARE(g.getNbNodes(), 4);
    QCOMPARE(g.getNbEdges(), 6);
    QCOMPARE(g.getNbBestNodes(), 4);
    QCOMPARE(g.graphData(), QString("4 000000"));
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
