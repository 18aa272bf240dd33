#include "../items/ItemProbes.h"

#include "BoardFixtures.h"
#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Link.h"
#include "items/Z.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include "graph/Node.h"
#include "items/CalculusDisplay.h"

#include <QGraphicsScene>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <thread>

namespace
{

/// A column vector whose entries the test sets; recomputed only when the graph moves.
class Column : public Invariant
{
public:
    explicit Column(QVector<double> v = {0.0}) : values(v)
    {
        sRows = QStringLiteral("n");
        sCols = QStringLiteral("1");
        initItem(QStringLiteral("COLUMN_TEST"), {}, {}, false, Report::Free, false);
    }
    QString formula() override { return name; }
    void recompute() override
    {
        ++calls;
        rows = values.size();
        cols = 1;
        for (int i = 0; i < rows; ++i)
            M[i][0] = values[i];
    }
    QVector<double> values;
    int calls = 0;
};

/// A constraint whose amount is whatever the test sets.
class Amount : public Constraint
{
public:
    explicit Amount(double v) : amount(v) {}
    QString formula() override { return name; }
    void recompute() override
    {
        if (failing) {
            fail(QStringLiteral("failing"));
            return;
        }
        rows = cols = 1;
        M[0][0] = amount;
    }
    double amount;
    bool failing = false;
};

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
    void freshBoards();
    void maximiseSizeOnPath();
    void constraintAmountsInReverseOrder();
    void errorFlag();
    void objectiveStoredValues_data();
    void objectiveStoredValues();
    void factorTakesEffectAtOnce();
    void patternAndFactors();
    void evaluationLimit();
    void fastComputationSkipsUnneeded();
    void linkTwiceUnlinks();
    void refusedLinkChangesNothing();
    void addOrderAndStacking();
    void altInsertion();
    void slotLinkChain();
    void clearKeepsInfoItems();
    void bestBackupPublishes();
    void cloneEvaluatesIndependently();
    void randomGraphsAgainstPairCount();
    void publishFromWorkerThread();
    void cleanupTestCase();
};

void tst_Problem::freshBoards()
{
    Graph g(QStringLiteral("g"), false);
    Problem bare(&g, QStringLiteral("bare"), false);
    QVERIFY(!bare.getScene());
    QVERIFY(!bare.getRubberBand());
    QCOMPARE(bare.getNbNod(), 10);
    QCOMPARE(bare.nbEvals(), 0);
    QCOMPARE(bare.maxEvals(), 0);
    QVERIFY(!bare.needOptimization());
    QVERIFY(bare.getOptimizationPattern().isEmpty());
    for (Calculus *info :
         {static_cast<Calculus *>(bare.getColors()), static_cast<Calculus *>(bare.getLabels()),
          static_cast<Calculus *>(bare.getELabels()),
          static_cast<Calculus *>(bare.getEHilights())}) {
        QCOMPARE(info->graph, &g);
        QVERIFY(!info->getCalculusDisplay());
    }
    Eval e;
    bare.eval(&e);
    QCOMPARE(e.size(), 1);
    QCOMPARE(e.value(0), 0.0);
    QCOMPARE(e.sizeZ(), 0);

    Problem shown(&g, QStringLiteral("shown"), true);
    QVERIFY(shown.getScene());
    QVERIFY(!shown.getRubberBand()->isVisible());
    QCOMPARE(shown.getRubberBand()->zValue(), 1000.0);
    QCOMPARE(shown.getColors()->zValue(), 930.0);
    QCOMPARE(shown.getLabels()->zValue(), 931.0);
    QCOMPARE(shown.getELabels()->zValue(), 932.0);
    QCOMPARE(shown.getEHilights()->zValue(), 932.0);
    QVERIFY(shown.getColors()->getCalculusDisplay());
}

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

void tst_Problem::constraintAmountsInReverseOrder()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    Amount *c1 = new Amount(1.5), *c2 = new Amount(0.0), *c3 = new Amount(7.25);
    board.addConstraintItem(c1);
    board.addConstraintItem(c2);
    board.addConstraintItem(c3);
    QVERIFY(board.needOptimization());
    Eval e;
    board.eval(&e);
    QCOMPARE(e.size(), 4);
    QCOMPARE(e.value(0), 0.0);
    QCOMPARE(e.value(1), 7.25);
    QCOMPARE(e.value(2), 0.0);
    QCOMPARE(e.value(3), 1.5);
    QVERIFY(e.violated());

    // A NaN amount is the undefined value.
    c2->amount = std::numeric_limits<double>::quiet_NaN();
    g.addNode();
    board.eval(&e);
    QCOMPARE(e.value(2), 1e12);
}

void tst_Problem::errorFlag()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    Amount *c = new Amount(0.0);
    board.addConstraintItem(c);
    Eval e;
    board.eval(&e);
    QCOMPARE(e.value(0), 0.0);
    QVERIFY(!e.violated());

    c->failing = true;
    g.addNode();
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);
    QVERIFY(e.violated());
    // The counter did not move: the error of the last computation stays.
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);

    // An objective without argument is in error and yields an empty vector.
    c->failing = false;
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
    Column *col = new Column(values);
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

void tst_Problem::factorTakesEffectAtOnce()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 5);
    Problem board(&g, QStringLiteral("b"), false);
    addMaximisedSize(board);
    Eval e;
    board.eval(&e);
    QCOMPARE(e.zvalue(0), 4.0);
    // Same graph, new factor: the next evaluation already uses it.
    board.setOptFactors({-1.0});
    board.eval(&e);
    QCOMPARE(e.zvalue(0), -4.0);
    board.setOptFactors({1.0});
    board.eval(&e);
    QCOMPARE(e.zvalue(0), 4.0);
}

void tst_Problem::patternAndFactors()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    BuildCalculus catalogue;
    Column *a = new Column({2.0}), *b = new Column({3.0}), *c = new Column({5.0});
    board.addInvariantItemLoadMode(a);
    board.addInvariantItemLoadMode(b);
    board.addInvariantItemLoadMode(c);
    const QStringList keywords{"MINIMIZE", "MAXIMIZE", "MAXMIN"};
    Calculus *sources[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        Calculus *z = catalogue.makeCalculus(keywords[i], false);
        board.addZItem(z);
        board.link1(sources[i], z);
    }
    QCOMPARE(board.getOptimizationPattern(), (QVector<int>{1, -1, 0}));
    Eval e;
    board.setOptFactors({1.0, -1.0}); // wrong size: nothing changes
    board.eval(&e);
    QCOMPARE(e.zvalue(0), 2.0);
    QCOMPARE(e.zvalue(1), 3.0);
    QCOMPARE(e.zvalue(2), 5.0);
    board.setOptFactors({});
    board.setOptFactors({-1.0, -1.0, 1.0});
    board.eval(&e);
    QCOMPARE(e.zvalue(0), -2.0);
    QCOMPARE(e.zvalue(1), -3.0);
    QCOMPARE(e.zvalue(2), 5.0);
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
    QCOMPARE(board.nbEvals(), 5);

    board.resetNbEvals();
    board.slot_set_max_eval(3);
    board.eval(&e);
    board.eval(&e);
    QVERIFY(!board.isMaxEvalsReached());
    QCOMPARE(spy.count(), 0);
    board.eval(&e);
    QVERIFY(board.isMaxEvalsReached());
    QCOMPARE(spy.count(), 1);
    board.eval(&e);
    board.eval(&e);
    QCOMPARE(spy.count(), 1); // once until reset
    QCOMPARE(board.nbEvals(), 5);

    board.resetNbEvals();
    QVERIFY(!board.isMaxEvalsReached());
    for (int i = 0; i < 4; ++i)
        board.eval(&e);
    QCOMPARE(spy.count(), 2);

    // A new limit already reached is announced again at the next evaluation.
    board.slot_set_max_eval(2);
    board.eval(&e);
    QCOMPARE(spy.count(), 3);

    // Publishing counts as one evaluation.
    board.resetNbEvals();
    board.slot_set_max_eval(0);
    board.best_backup();
    QCOMPARE(board.nbEvals(), 1);
}

void tst_Problem::fastComputationSkipsUnneeded()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    Column *forObjective = new Column({1.0});
    Column *forColors = new Column({0.0, 1.0, 2.0, 3.0});
    Column *unused = new Column({9.0});
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
    board.addOperatorItem(a);
    board.addOperatorItem(b);
    board.addOperatorItem(c);
    board.link2(a, c);
    QCOMPARE(c->arg2, a);
    QVERIFY(c->isLinked(2));
    QCOMPARE(a->links.size(), 1);
    board.link2(a, c);
    QVERIFY(!c->arg2);
    QVERIFY(!c->isLinked(2));
    QVERIFY(a->links.isEmpty());

    // Moving an existing link to another source.
    board.link1(a, c);
    board.link1(b, c);
    QCOMPARE(c->arg1, b);
    QVERIFY(a->links.isEmpty());
    QCOMPARE(b->links.size(), 1);
    QCOMPARE(c->link1->from(), static_cast<Calculus *>(b));
    board.link1(b, c);
    QVERIFY(!c->arg1);
}

void tst_Problem::refusedLinkChangesNothing()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), false);
    InvariantProbe *a = new InvariantProbe;
    FamilyProbe *f = new FamilyProbe;
    ConstraintProbe *c = new ConstraintProbe;
    board.addInvariantItemLoadMode(a);
    board.addFamilyItem(f);
    board.addConstraintItem(c);
    board.link1(a, f);
    board.link3(a, c);
    board.link1(a, board.getColors()); // accepted: info items take argument 1
    board.link2(a, board.getLabels()); // refused
    QVERIFY(!f->arg1 && !f->isLinked(1));
    QVERIFY(!c->arg3 && !c->isLinked(3));
    QVERIFY(!board.getLabels()->isLinked(2));
    QCOMPARE(a->links.size(), 1);
}

void tst_Problem::addOrderAndStacking()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), true);
    InvariantProbe *a = new InvariantProbe(true), *b = new InvariantProbe(true);
    board.addInvariantItemLoadMode(a);
    board.addInvariantItemLoadMode(b);
    QCOMPARE(a->zValue(), 1.0);
    QCOMPARE(b->zValue(), 2.0);
    InvariantProbe *front = new InvariantProbe(true);
    board.addInvariantItem(front);
    QCOMPARE(board.getItems(), (QVector<Calculus *>{front, a, b}));
    QCOMPARE(front->zValue(), 3.0);
    QVERIFY(front->selected);
    OperatorProbe *op = new OperatorProbe(true);
    board.addOperatorItem(op);
    QCOMPARE(board.getItems().last(), static_cast<Calculus *>(op));
    QVERIFY(!op->selected);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(board.getItems()[i]->zValue(), double(i + 1));
    FamilyProbe *f = new FamilyProbe(true);
    ConstraintProbe *c = new ConstraintProbe(true);
    Z *z = new Z(true);
    board.addFamilyItem(f);
    board.addConstraintItem(c);
    board.addZItem(z);
    QCOMPARE(f->zValue(), 201.0);
    QCOMPARE(c->zValue(), 501.0);
    QCOMPARE(z->zValue(), 501.0);
    QCOMPARE(f->scene(), board.getScene());
}

void tst_Problem::altInsertion()
{
    Graph g(QStringLiteral("g"), false);
    Problem board(&g, QStringLiteral("b"), true);
    QVector<Calculus *> five;
    for (int i = 0; i < 5; ++i) {
        Calculus *c = (i == 2) ? static_cast<Calculus *>(new InvariantProbe(true))
                               : static_cast<Calculus *>(new OperatorProbe(true));
        board.addOperatorItem(c);
        five << c;
    }
    five[1]->select(true);
    five[3]->select(true);
    five[2]->select(true); // a selected invariant does not move the position
    board.setAltPressed(true);
    OperatorProbe *op = new OperatorProbe(true);
    board.addOperatorItem(op);
    QCOMPARE(board.getItems().indexOf(op), 1);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(board.getItems()[i]->zValue(), double(i + 1));

    for (Calculus *c : board.getItems())
        c->select(false);
    five[2]->select(true);
    OperatorProbe *last = new OperatorProbe(true);
    board.addOperatorItem(last);
    QCOMPARE(board.getItems().indexOf(last), 6);
}

void tst_Problem::slotLinkChain()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 3);
    Problem board(&g, QStringLiteral("b"), true);
    OperatorProbe *a = new OperatorProbe(true), *b = new OperatorProbe(true),
                  *c = new OperatorProbe(true);
    board.addOperatorItem(a);
    board.addOperatorItem(b);
    board.addOperatorItem(c);
    for (Calculus *x :
         {static_cast<Calculus *>(a), static_cast<Calculus *>(b), static_cast<Calculus *>(c)})
        x->select(true);
    board.slot_link1();
    QVERIFY(!a->arg1);
    QCOMPARE(b->arg1, a);
    QCOMPARE(c->arg1, b);
    QVERIFY(!a->selected);
    QVERIFY(!b->selected);
    QVERIFY(c->selected);

    // Two invariants, a new constraint and a new objective.
    Problem other(&g, QStringLiteral("o"), true);
    InvariantProbe *x = new InvariantProbe(true), *y = new InvariantProbe(true);
    other.addInvariantItemLoadMode(x);
    other.addInvariantItemLoadMode(y);
    ConstraintProbe *k = new ConstraintProbe(true);
    Z *z = new Z(true);
    other.addConstraintItem(k);
    other.addZItem(z);
    for (Calculus *item : {static_cast<Calculus *>(x), static_cast<Calculus *>(y),
                           static_cast<Calculus *>(k), static_cast<Calculus *>(z)})
        item->select(true);
    other.slot_link1();
    QCOMPARE(k->arg1, y);
    QCOMPARE(z->arg1, x);
}

void tst_Problem::clearKeepsInfoItems()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    board.setTitle(QStringLiteral("t"));
    board.setDescription(QStringLiteral("d"));
    Column *degrees = new Column({1, 2, 2, 1});
    board.addInvariantItemLoadMode(degrees);
    board.addFamilyItem(new FamilyProbe);
    board.addConstraintItem(new ConstraintProbe);
    board.addZItem(new Z(false));
    board.link1(degrees, board.getColors());
    QCOMPARE(board.getColors()->arg1, static_cast<Calculus *>(degrees));
    board.clear();
    QVERIFY(board.getItems().isEmpty() && board.getFamilies().isEmpty());
    QVERIFY(board.getConstraints().isEmpty() && board.getObjectives().isEmpty());
    QVERIFY(!board.getColors()->arg1);
    QVERIFY(!board.getColors()->isLinked(1));
    QCOMPARE(board.getTitle(), QStringLiteral("t"));
    QCOMPARE(board.getDescription(), QStringLiteral("d"));
}

void tst_Problem::bestBackupPublishes()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 4);
    Problem board(&g, QStringLiteral("b"), false);
    Amount *violated = new Amount(2.0);
    board.addConstraintItem(violated);
    board.best_backup();
    QVERIFY(g.isViolated());
    violated->amount = 0.0;
    g.addEdge(0, 3);
    board.best_backup();
    QVERIFY(!g.isViolated());
    QCOMPARE(violated->bestError.load(), false);
}

void tst_Problem::cloneEvaluatesIndependently()
{
    Graph g(QStringLiteral("g"), false);
    makePath(g, 6);
    Problem board(&g, QStringLiteral("b"), false);
    addMaximisedSize(board);
    board.setNbNod(17);
    board.slot_set_max_eval(40);
    std::unique_ptr<Problem> copy(board.clone());
    QCOMPARE(copy->getName(), QStringLiteral("clone"));
    QCOMPARE(copy->getNbNod(), 17);
    QCOMPARE(copy->maxEvals(), 0);
    QCOMPARE(copy->getOptimizationPattern(), QVector<int>{-1});
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
    QCOMPARE(copy->nbEvals(), 1);
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
