#include "../items/ItemProbes.h"

#include "BoardFixtures.h"
#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Link.h"
#include "items/Z.h"
#include "items/infoNODE.h"
#include "problem/Eval.h"
#include "problem/Problem.h"
#include "graph/Node.h"
#include "items/CalculusDisplay.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <thread>

namespace
{

/// Edges of the graph counted through edge(), pair by pair.
int edgesByPairs(const Graph &g)
{
    int m = 0;
    for (int i = 0; i < g.getNbNodes(); ++i)
        for (int j = i + 1; j < g.getNbNodes(); ++j)
            m += g.edge(i, j);
    return m;
}

} // namespace

class tst_Problem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void maximiseSizeOnPath();
    void constraintAmountsAndErrors();
    void objectiveStoredValues_data();
    void objectiveStoredValues();
    void patternAndFactors();
    void evaluationLimit();
    void fastComputationSkipsUnneeded();
    void linkTwiceUnlinks();
    void cloneEvaluatesIndependently();
    void randomGraphsAgainstPairCount();
    void publishFromWorkerThread();
    void cleanupTestCase();
};

void tst_Problem::maximiseSizeOnPath()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("board"), false);
    const QString text = QStringLiteral("SIZE\t\t0\t0\t0\t0\t10\t20\tNULL\tNULL\tNULL\tNULL<NEW>"
                                        "Z\t\t0\t0\t0\t0\t10\t90\t0\tNULL\tNULL\tNULL\tmax<NEW>"
                                        "DESC\tmax size\t");
    QVERIFY(board.openString(text));
    QCOMPARE(board.getOptimizationPattern(), QVector<int>{-1});
    board.setOptFactors({-1.0});
    Eval e;
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<-3 >[0]"));
    QVERIFY(!e.violated());
}

void tst_Problem::constraintAmountsAndErrors()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    ConstraintProbe *c1 = new ConstraintProbe, *c2 = new ConstraintProbe, *c3 = new ConstraintProbe;
    c1->base = 1.5;
    c2->base = 0;
    c3->base = 7.25;
    board.addConstraintItem(c1);
    board.addConstraintItem(c2);
    board.addConstraintItem(c3);
    Eval e;
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("[0][7.25][0][1.5]")); // the error flag, then reversed
    QVERIFY(e.violated());

    // A NaN amount is the undefined value; a failing constraint raises the error flag.
    c1->base = c3->base = 0;
    c2->base = std::numeric_limits<double>::quiet_NaN();
    c3->failNext = true;
    g.addNode();
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);
    QCOMPARE(e.value(2), 1e12);
    // The counter did not move: the error of the last computation stays.
    c3->failNext = false;
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);

    // An objective without argument is in error and yields an empty vector.
    board.addZItem(new Z(false));
    g.addNode();
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);
    QCOMPARE(e.sizeZ(), 1);
    QVERIFY(e.z(0).isEmpty());
}

void tst_Problem::objectiveStoredValues_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QVector<double>>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("bounds") << QVector<double>{3, 1e12, -1e12, -2e13, 999999999999.0} << 1.0
                            << QVector<double>{3, 1e12, 1e12, 1e12, 999999999999.0};
    QTest::newRow("maximised undefined")
        << QVector<double>{1e12, 5, -7} << -1.0 << QVector<double>{1e12, -5, 7};
    QTest::newRow("NaN") << QVector<double>{nan, 2} << 1.0 << QVector<double>{1e12, 2};
    QTest::newRow("infinite") << QVector<double>{-std::numeric_limits<double>::infinity()} << 1.0
                              << QVector<double>{1e12};
    QTest::newRow("one value") << QVector<double>{0.5} << -1.0 << QVector<double>{-0.5};
}

void tst_Problem::objectiveStoredValues()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, factor);
    QFETCH(QVector<double>, expected);
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *col = columnProbe(values);
    board.addInvariantItemLoadMode(col);
    Z *z = new Z(false);
    board.addZItem(z);
    board.link1(col, z);
    board.setOptFactors({factor});
    Eval e;
    board.eval(&e);
    QCOMPARE(e.sizeZ(), 1);
    QCOMPARE(e.z(0), expected);
    // The objective keeps its argument's values unscaled.
    for (int i = 0; i < values.size(); ++i)
        if (!std::isnan(values[i]))
            QCOMPARE(z->M[i][0], values[i]);
}

void tst_Problem::patternAndFactors()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    BuildCalculus catalogue;
    const QStringList keywords{"MINIMIZE", "MAXIMIZE", "MAXMIN"};
    for (int i = 0; i < 3; ++i) {
        InvariantProbe *source = columnProbe({double(i + 2)});
        Calculus *z = catalogue.makeCalculus(keywords[i], false);
        board.addInvariantItemLoadMode(source);
        board.addZItem(z);
        board.link1(source, z);
    }
    QCOMPARE(board.getOptimizationPattern(), (QVector<int>{1, -1, 0}));
    Eval e;
    board.setOptFactors({1.0, -1.0}); // wrong size: nothing changes
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<2 ><3 ><4 >[0]"));
    // Same graph, new factors: the next evaluation already uses them.
    board.setOptFactors({-1.0, -1.0, 1.0});
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<-2 ><-3 ><4 >[0]"));
}

void tst_Problem::evaluationLimit()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    QSignalSpy spy(&board, &Problem::signal_max_eval_reached);
    Eval e;
    for (int i = 0; i < 5; ++i)
        board.eval(&e);
    QCOMPARE(spy.count(), 0); // no limit
    board.resetNbEvals();
    board.slot_set_max_eval(3);
    board.eval(&e);
    board.eval(&e);
    QVERIFY(!board.isMaxEvalsReached());
    board.eval(&e);
    QVERIFY(board.isMaxEvalsReached());
    QCOMPARE(spy.count(), 1);
    board.eval(&e);
    QCOMPARE(spy.count(), 1); // once until reset
    QCOMPARE(board.nbEvals(), 4);
    board.resetNbEvals();
    for (int i = 0; i < 3; ++i)
        board.eval(&e);
    QCOMPARE(spy.count(), 2);
    // A new limit already reached is announced again at the next evaluation.
    board.slot_set_max_eval(2);
    board.eval(&e);
    QCOMPARE(spy.count(), 3);
}

void tst_Problem::fastComputationSkipsUnneeded()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *forObjective = columnProbe({1.0});
    InvariantProbe *forColors = columnProbe({0.0, 1.0, 2.0, 3.0});
    InvariantProbe *unused = columnProbe({9.0});
    FamilyProbe *family = new FamilyProbe;
    board.addInvariantItemLoadMode(forObjective);
    board.addInvariantItemLoadMode(forColors);
    board.addInvariantItemLoadMode(unused);
    board.addFamilyItem(family);
    Z *z = new Z(false);
    board.addZItem(z);
    board.link1(forObjective, z);
    board.link1(forColors, board.getColors());

    Eval e;
    g.addEdge(0, 2);
    const int objectiveCalls = forObjective->calls, colorsCalls = forColors->calls,
              unusedCalls = unused->calls, familyCalls = family->calls;
    board.eval(&e);
    QCOMPARE(forObjective->calls, objectiveCalls + 1);
    QCOMPARE(forColors->calls, colorsCalls);
    QCOMPARE(unused->calls, unusedCalls);
    QCOMPARE(family->calls, familyCalls);

    g.addEdge(1, 3);
    board.compute(true);
    QCOMPARE(forColors->calls, colorsCalls + 1);
    QCOMPARE(unused->calls, unusedCalls + 1);
    QCOMPARE(family->calls, familyCalls + 1);
}

void tst_Problem::linkTwiceUnlinks()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    OperatorProbe *a = new OperatorProbe, *b = new OperatorProbe, *c = new OperatorProbe;
    FamilyProbe *f = new FamilyProbe;
    board.addOperatorItem(a);
    board.addOperatorItem(b);
    board.addOperatorItem(c);
    board.addFamilyItem(f);
    board.link2(a, c);
    QCOMPARE(c->arg2, a);
    board.link2(a, c);
    QVERIFY(!c->arg2 && !c->isLinked(2));
    QVERIFY(a->links.isEmpty());
    // Moving an existing link to another source.
    board.link1(a, c);
    board.link1(b, c);
    QCOMPARE(c->arg1, b);
    QVERIFY(a->links.isEmpty());
    QCOMPARE(c->link1->from(), static_cast<Calculus *>(b));
    // Refused links change nothing.
    board.link1(a, f);
    board.link2(a, board.getLabels());
    QVERIFY(!f->isLinked(1) && !board.getLabels()->isLinked(2));
    QVERIFY(a->links.isEmpty());
}

void tst_Problem::cloneEvaluatesIndependently()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 6);
    Problem board(&g, QStringLiteral("b"), false);
    addMaximisedSize(board);
    board.slot_set_max_eval(40);
    std::unique_ptr<Problem> copy(board.clone());
    QCOMPARE(copy->maxEvals(), 0);
    QCOMPARE(copy->saveString(), board.saveString());
    Graph mine(QStringLiteral("VNS"), false);
    makePath(mine, 3);
    mine.addEdge(0, 2);
    copy->setGraph(&mine);
    copy->setOptFactors({-1.0});
    Eval e, f;
    copy->eval(&e);
    board.eval(&f);
    QCOMPARE(e.zvalue(0), -3.0);
    QCOMPARE(f.zvalue(0), 5.0);
    QCOMPARE(board.nbEvals(), 1);
}

void tst_Problem::randomGraphsAgainstPairCount()
{
    // Minimise SIZE subject to a constraint probe, on random graphs of every order.
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    QVERIFY(board.openString(
        QStringLiteral("SIZE\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>"
                       "ORDER\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>"
                       "MINIMIZE\t\t0\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL<NEW>"
                       "Z\t\t0\t0\t0\t0\t0\t0\t1\tNULL\tNULL\tNULL\tmaxmin<NEW>DESC\t\t")));
    QCOMPARE(board.getOptimizationPattern(), (QVector<int>{1, 0}));
    board.setOptFactors({1.0, -1.0});
    Eval e;
    for (int n = 0; n <= 32; ++n) {
        g.randomGraph(n);
        board.eval(&e);
        QCOMPARE(e.sizeZ(), 2);
        QCOMPARE(e.zvalue(0), double(edgesByPairs(g)));
        QCOMPARE(e.zvalue(1), double(-n));
        QCOMPARE(e.value(0), 0.0);
    }
}

void tst_Problem::publishFromWorkerThread()
{
    // A worker publishes into the display board: values reach the dialogs and the drawing
    // through the GUI thread's event loop.
    Graph g(QStringLiteral("g"), true);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), true);
    QVERIFY(board.openString(
        QStringLiteral("DEGREES\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>"
                       "CONSTANT\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL\t1\t1\t2.5<NEW>"
                       "Z\t\t0\t0\t0\t0\t0\t0\t1\tNULL\tNULL\tNULL\tmax<NEW>"
                       "Colors\t\t0\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL<NEW>DESC\t\t")));
    g.addEdge(0, 3); // the cycle: every degree is 2
    std::thread worker([&] { board.best_backup(); });
    worker.join();
    QCOMPARE(board.nbEvals(), 1);
    QTRY_COMPARE(g.getNode(3)->getColor(), 2);
    QTRY_COMPARE(board.getObjectives().at(0)->getCalculusDisplay()->getValue(), 2.5);
    QCOMPARE(board.getItems().at(0)->getCalculusDisplay()->getNbRows(), 4);
}

void tst_Problem::cleanupTestCase()
{
    QCOMPARE(Eval::nbocc.load(), 0);
}

QTEST_MAIN(tst_Problem)
#include "tst_Problem.moc"
