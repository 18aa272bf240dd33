#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"

#include <QtTest>

/// Adjacency of the graph as edge() answers it, for checking that a computation left the
/// graph as it found it.
static QVector<bool> adjacencyOf(Graph &g)
{
    QVector<bool> cells;
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j)
            cells.append(g.edge(i, j));
    return cells;
}

static void makePath(Graph &g, int n)
{
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (int i = 0; i + 1 < n; ++i)
        g.addEdge(i, i + 1);
}

class tst_Calculus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void freshItem();
    void unforcedSkipsNonCrucial();
    void forcedWithoutGraph();
    void counterSkip();
    void errorStaysWhenCounterStill();
    void crucialComputesUnforced();
    void argumentInError_data();
    void argumentInError();
    void complementFlag_data();
    void complementFlag();
    void complementChangeRecomputes();
    void getValueBounds_data();
    void getValueBounds();
    void firstRowAndColumn();
    void updateCrucialOneLevel();
    void deletingItemDetachesLinks();
    void removeLinkPrefersOutgoing();
    void itemLine_data();
    void itemLine();
    void itemLineSpecificTail();
    void identifierAndDescription();
    void textDocumentation();
    void boundingRect_data();
    void boundingRect();
    void reportFlagsWithAndWithoutDialog();
    void bestBackupPublishesToDialog();
};

void tst_Calculus::freshItem()
{
    // The base constructor alone, seen through a probe that changes nothing else.
    struct Bare : Operator {
        QString formula() override { return {}; }
        void recompute() override {}
    } bare;
    QCOMPARE(bare.rows, 0);
    QCOMPARE(bare.cols, 0);
    QCOMPARE(bare.M.size(), 32);
    for (const auto &row : bare.M) {
        QCOMPARE(row.size(), 32);
        for (double v : row)
            QCOMPARE(v, 0.0);
    }
    QCOMPARE(bare.name, QStringLiteral("Missing name!"));
    QCOMPARE(bare.latexDoc, QStringLiteral("N/A"));
    QCOMPARE(bare.textDoc, QStringLiteral("N/A"));
    QCOMPARE(bare.ID, QStringLiteral("NA"));
    QCOMPARE(bare.getSRows(), QStringLiteral("NA"));
    QCOMPARE(bare.getSCols(), QStringLiteral("NA"));
    QCOMPARE(bare.getType(), QStringLiteral("Operator"));
    QVERIFY(!bare.getCalculusDisplay());
}

void tst_Calculus::unforcedSkipsNonCrucial()
{
    OperatorProbe probe;
    QVERIFY(probe.compute(false));
    QVERIFY(!probe.getError());
    QCOMPARE(probe.calls, 0);
    Graph g("G", false);
    probe.setGraph(&g);
    QVERIFY(probe.compute(false));
    QCOMPARE(probe.calls, 0);
    QCOMPARE(probe.rows, 0);
}

void tst_Calculus::forcedWithoutGraph()
{
    OperatorProbe probe;
    QVERIFY(!probe.compute(true));
    QVERIFY(probe.getError());
    QCOMPARE(probe.calls, 0);
    probe.bestBackup();
    QVERIFY(probe.bestError);
}

void tst_Calculus::counterSkip()
{
    Graph g("G", false);
    makePath(g, 5);
    OperatorProbe probe;
    probe.setGraph(&g);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.calls, 1);
    QCOMPARE(probe.seenOrder, 5);
    QCOMPARE(probe.seenPairs, 4);
    QVERIFY(!probe.compute(true));
    QCOMPARE(probe.calls, 1);
    g.addEdge(0, 4);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.calls, 2);
    QCOMPARE(probe.seenPairs, 5);
    g.remEdge(0, 4);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.seenPairs, 4);
}

void tst_Calculus::errorStaysWhenCounterStill()
{
    Graph g("G", false);
    OperatorProbe probe;
    probe.setGraph(&g);
    probe.failNext = true;
    QVERIFY(probe.compute(true));
    QVERIFY(probe.getError());
    QCOMPARE(probe.rows, 0);
    probe.failNext = false;
    QVERIFY(!probe.compute(true));
    QVERIFY(probe.getError());
    QCOMPARE(probe.calls, 1);
    probe.bestBackup();
    QVERIFY(probe.bestError);
    g.addEdge(0, 1);
    probe.bestBackup();
    QVERIFY(!probe.getError());
    QVERIFY(!probe.bestError);
    QCOMPARE(probe.calls, 2);
}

void tst_Calculus::crucialComputesUnforced()
{
    Graph g("G", false);
    OperatorProbe probe;
    probe.setGraph(&g);
    probe.set_crucial(true);
    QVERIFY(probe.compute(false));
    QCOMPARE(probe.calls, 1);
}

void tst_Calculus::argumentInError_data()
{
    QTest::addColumn<int>("slot");
    for (int k = 1; k <= 4; ++k)
        QTest::newRow(qPrintable(QString("argument %1").arg(k))) << k;
}

void tst_Calculus::argumentInError()
{
    QFETCH(int, slot);
    Graph g("G", false);
    OperatorProbe good[4];
    OperatorProbe bad;
    OperatorProbe user;
    for (auto &p : good) {
        p.setGraph(&g);
        p.compute(true);
    }
    bad.failNext = true;
    bad.setGraph(&g);
    bad.compute(true);
    QVERIFY(bad.getError());
    user.setGraph(&g);
    user.shapeRows = 3;
    Calculus **args[4] = {&user.arg1, &user.arg2, &user.arg3, &user.arg4};
    for (int k = 0; k < 4; ++k)
        *args[k] = (k + 1 == slot) ? static_cast<Calculus *>(&bad) : &good[k];
    QVERIFY(user.compute(true));
    QVERIFY(user.getError());
    QCOMPARE(user.rows, 0);
    QCOMPARE(user.cols, 0);
    QCOMPARE(user.calls, 0);
    for (int k = 0; k < 4; ++k)
        *args[k] = nullptr;
}

void tst_Calculus::complementFlag_data()
{
    QTest::addColumn<int>("order");
    for (int n : {0, 1, 2, 7, 20, 32})
        QTest::newRow(qPrintable(QString("order %1").arg(n))) << n;
}

void tst_Calculus::complementFlag()
{
    QFETCH(int, order);
    Graph g("G", false);
    g.randomGraph(order);
    int edges = 0;
    for (int i = 0; i < order; ++i)
        for (int j = i + 1; j < order; ++j)
            edges += g.edge(i, j);
    const QVector<bool> before = adjacencyOf(g);
    const int id = g.getID();

    OperatorProbe probe;
    probe.setGraph(&g);
    probe.setInvertGraph(true);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.seenOrder, order);
    QCOMPARE(probe.seenPairs, order * (order - 1) / 2 - edges);
    QCOMPARE(g.getID(), id);
    QCOMPARE(adjacencyOf(g), before);
    QCOMPARE(g.getNbNodes(), order);
}

void tst_Calculus::complementChangeRecomputes()
{
    // Switching the complement on must not serve the value cached for the graph itself.
    Graph g("G", false);
    makePath(g, 4);
    OperatorProbe probe;
    probe.setGraph(&g);
    probe.compute(true);
    QCOMPARE(probe.seenPairs, 3);
    probe.setInvertGraph(true);
    QVERIFY(probe.compute(true));
    QCOMPARE(probe.seenPairs, 3);
    QCOMPARE(probe.calls, 2);
    probe.setInvertGraph(false);
    probe.compute(true);
    QCOMPARE(probe.calls, 3);
}

void tst_Calculus::getValueBounds_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");
    // The probe writes 100 * row + column + 0.5.
    QTest::newRow("zero") << 3 << 1 << 0 << 1e12;
    QTest::newRow("thirty-three") << 3 << 1 << 33 << 1e12;
    QTest::newRow("negative") << 1 << 1 << -1 << 1e12;
    QTest::newRow("row vector") << 1 << 3 << 2 << 1.5;
    QTest::newRow("column vector") << 3 << 1 << 2 << 100.5;
    QTest::newRow("matrix reads its first row") << 4 << 4 << 4 << 3.5;
    QTest::newRow("single value") << 1 << 1 << 1 << 0.5;
    QTest::newRow("beyond logical size") << 2 << 1 << 32 << 0.0;
}

void tst_Calculus::getValueBounds()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, index);
    QFETCH(double, expected);
    Graph g("G", false);
    OperatorProbe probe;
    probe.setGraph(&g);
    probe.shapeRows = rows;
    probe.shapeCols = cols;
    probe.compute(true);
    QCOMPARE(probe.getValue(index), expected);
}

void tst_Calculus::firstRowAndColumn()
{
    Graph g("G", false);
    OperatorProbe probe;
    probe.setGraph(&g);
    probe.shapeRows = 3;
    probe.shapeCols = 2;
    probe.compute(true);
    QCOMPARE(probe.getFirstRow(), QVector<double>({0.5, 1.5}));
    QCOMPARE(probe.getFirstCol(), QVector<double>({0.5, 100.5, 200.5}));
    probe.failNext = true;
    g.addEdge(0, 1);
    probe.compute(true);
    QVERIFY(probe.getFirstRow().isEmpty());
    QVERIFY(probe.getFirstCol().isEmpty());
}

void tst_Calculus::updateCrucialOneLevel()
{
    OperatorProbe top, middle, bottom;
    top.arg1 = &middle;
    middle.arg1 = &bottom;
    top.set_crucial(true);
    top.update_crucial();
    QVERIFY(middle.crucial);
    QVERIFY(!bottom.crucial);
    middle.update_crucial();
    QVERIFY(bottom.crucial);
    OperatorProbe idle, idleArg;
    idle.arg2 = &idleArg;
    idle.update_crucial();
    QVERIFY(!idleArg.crucial);
    top.arg1 = middle.arg1 = idle.arg2 = nullptr;
}

void tst_Calculus::deletingItemDetachesLinks()
{
    Graph g("G", false);
    auto *source = new InvariantProbe;
    auto *middle = new OperatorProbe;
    auto *user = new OperatorProbe;
    for (Calculus *c : {static_cast<Calculus *>(source), static_cast<Calculus *>(middle),
                        static_cast<Calculus *>(user)})
        c->setGraph(&g);
    // source -> middle (argument 2), middle -> user (argument 1)
    auto *in = new Link(source, middle, false);
    QVERIFY(middle->setLink2(in));
    QVERIFY(source->setLinkTo(in));
    QVERIFY(middle->setArg2(source));
    auto *out = new Link(middle, user, false);
    QVERIFY(user->setLink1(out));
    QVERIFY(middle->setLinkTo(out));
    QVERIFY(user->setArg1(middle));
    QCOMPARE(source->links.size(), 1);
    QVERIFY(user->isLinked(1));

    delete middle;
    QVERIFY(source->links.isEmpty());
    QVERIFY(!user->isLinked(1));
    QVERIFY(!user->arg1);
    delete source;
    delete user;
}

void tst_Calculus::removeLinkPrefersOutgoing()
{
    OperatorProbe a, b, other;
    auto *both = new Link(nullptr, nullptr, false);
    a.links.append(both);
    a.link2 = both;
    a.arg2 = &b;
    QVERIFY(a.removeLink(both));
    QVERIFY(a.links.isEmpty());
    QCOMPARE(a.link2, both);
    QCOMPARE(a.arg2, static_cast<Calculus *>(&b));
    QVERIFY(a.removeLink(both));
    QVERIFY(!a.link2);
    QVERIFY(!a.arg2);
    QVERIFY(!a.removeLink(both));
    QVERIFY(!other.isLinked(0));
    QVERIFY(!other.isLinked(5));
    delete both;
}

void tst_Calculus::itemLine_data()
{
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QVector<bool>>("flags"); // report, node, vector, complement
    QTest::addColumn<QString>("expected");
    QTest::newRow("unnamed, report on")
        << QString() << QPointF(12.5, -40) << QVector<bool>{true, false, false, false}
        << QString("PROBE\t\t1\t0\t0\t0\t12.5\t-40\tNULL\tNULL\tNULL\tNULL\n");
    QTest::newRow("named, node and complement")
        << QString("Degree list") << QPointF(0, 3) << QVector<bool>{false, true, false, true}
        << QString("PROBE\tDegree list\t0\t1\t0\t1\t0\t3\tNULL\tNULL\tNULL\tNULL\n");
    QTest::newRow("six significant digits")
        << QString() << QPointF(1234567.8, 0.1) << QVector<bool>{false, false, true, false}
        << QString("PROBE\t\t0\t0\t1\t0\t1.23457e+06\t0.1\tNULL\tNULL\tNULL\tNULL\n");
}

void tst_Calculus::itemLine()
{
    QFETCH(QString, givenName);
    QFETCH(QPointF, position);
    QFETCH(QVector<bool>, flags);
    QFETCH(QString, expected);
    OperatorProbe probe;
    probe.setGivenName(givenName);
    probe.setPos(position);
    probe.setInReport(flags[0]);
    probe.setNodInReport(flags[1]);
    probe.setVecInReport(flags[2]);
    probe.setInvertGraph(flags[3]);
    QCOMPARE(probe.getCaractToSave(), expected);
}

void tst_Calculus::itemLineSpecificTail()
{
    struct Tailed : OperatorProbe {
        QString specificInformationToSave() override { return QStringLiteral("\tmax"); }
    } item;
    OperatorProbe a, b;
    a.saveIndex = 5;
    b.saveIndex = 7;
    item.arg1 = &a;
    item.arg3 = &b;
    QCOMPARE(item.getCaractToSave(), QString("PROBE\t\t0\t0\t0\t0\t0\t0\t5\tNULL\t7\tNULL\tmax\n"));
    item.arg1 = item.arg3 = nullptr;
}

void tst_Calculus::identifierAndDescription()
{
    InvariantProbe wiener(false, QStringLiteral("WIENER"));
    wiener.setZ(2);
    QCOMPARE(wiener.getID(), QStringLiteral("Invariant-2"));
    QCOMPARE(wiener.ID, QStringLiteral("Invariant-2"));
    QCOMPARE(wiener.problemDocument(),
             QStringLiteral("Invariant-2: WIENER\nRows: 1\nColumns: 1\n"));

    OperatorProbe op(false, QStringLiteral("+"));
    op.setZ(3.5);
    op.setGivenName(QStringLiteral("sum"));
    op.arg2 = &wiener;
    QCOMPARE(op.problemDocument(),
             QStringLiteral("Operator-3.5: + (sum)\nRows: 1\nColumns: 1\narg2 = Invariant-2\n"));
    op.arg2 = nullptr;
}

void tst_Calculus::textDocumentation()
{
    InvariantProbe probe(false, QStringLiteral("DEGREES"));
    QCOMPARE(probe.textDocumentation(), QStringLiteral("DEGREES : text probe\n"));
    probe.setGivenName(QStringLiteral("Degree list"));
    QCOMPARE(probe.textDocumentation(), QStringLiteral("Degree list : text probe\n"));
    QCOMPARE(probe.latexDocumentation(), QStringLiteral("latex probe"));
    QCOMPARE(probe.algString(), QStringLiteral("N/A"));
}

void tst_Calculus::boundingRect_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<QRectF>("expected");
    QTest::addColumn<QRectF>("box");
    QTest::newRow("category box") << 120 << 60 << QRectF(-72, -82, 135, 115)
                                  << QRectF(-60, -30, 120, 60);
    QTest::newRow("odd box") << 81 << 61 << QRectF(-52, -82, 96, 116) << QRectF(-40, -30, 81, 61);
}

void tst_Calculus::boundingRect()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QRectF, expected);
    QFETCH(QRectF, box);
    OperatorProbe probe;
    probe.w = w;
    probe.h = h;
    QCOMPARE(probe.boundingRect(), expected);
    QCOMPARE(probe.shape().boundingRect(), box);
}

void tst_Calculus::reportFlagsWithAndWithoutDialog()
{
    OperatorProbe bare;
    bare.setInReport(true);
    QVERIFY(bare.inReport());
    QVERIFY(!bare.graphInReport());

    OperatorProbe shown(true);
    QVERIFY(shown.graphInReport()); // the dialog starts on "Graph Value"
    QVERIFY(!shown.graphInReportFlag);
    shown.getCalculusDisplay()->setInReport(true);
    QVERIFY(shown.inReport());
    QVERIFY(!shown.inReportFlag);
    Graph g("G", false);
    shown.setGraph(&g);
    shown.compute(true);
    QVERIFY(shown.inReportFlag);
    QVERIFY(shown.graphInReportFlag);
}

void tst_Calculus::bestBackupPublishesToDialog()
{
    Graph g("G", false);
    OperatorProbe probe(true);
    probe.setGraph(&g);
    probe.shapeRows = 2;
    probe.shapeCols = 3;
    probe.bestBackup();
    CalculusDisplay *d = probe.getCalculusDisplay();
    QCOMPARE(d->getNbRows(), 2);
    QCOMPARE(d->getNbCols(), 3);
    QCOMPARE(d->getM()[1][2], 102.5);
    QCOMPARE(probe.toolTip(), QString()); // nothing saved: empty after the first backup

    probe.failNext = true;
    g.addEdge(0, 1);
    probe.bestBackup();
    QCOMPARE(d->getNbRows(), 0);
    QCOMPARE(probe.toolTip(), QStringLiteral("probe failed"));
    QVERIFY(probe.bestError);
}

QTEST_MAIN(tst_Calculus)
#include "tst_Calculus.moc"
