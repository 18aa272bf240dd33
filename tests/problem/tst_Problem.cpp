#include "ItemProbes.h"

#include "BoardFixtures.h"
#include "explorer/DataLoader.h"
#include "graph/Node.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"
#include "items/Z.h"
#include "items/infoNODE.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNSManager.h"
#include "problem/Eval.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

namespace
{
const QStringList kArg0{"0", "NULL", "NULL", "NULL"}, kArg1{"1", "NULL", "NULL", "NULL"};

/// Adds `source` and an objective of `keyword` (a bare Z when empty) taking it.
Calculus *addObjective(Problem &board, Calculus *source, const QString &keyword = QString())
{
    Calculus *z = keyword.isEmpty() ? new Z(false) : BuildCalculus().makeCalculus(keyword, false);
    board.addInvariantItemLoadMode(source);
    board.addZItem(z);
    board.link1(source, z);
    return z;
}
} // namespace

class tst_Problem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void maximiseSizeOnPathAndClone();
    void constraintAmountsAndErrors();
    void objectiveStoredValues_data();
    void objectiveStoredValues();
    void patternAndFactors();
    void evaluationLimit();
    void fastComputationSkipsUnneeded();
    void fastComputationFollowsConstraints_data();
    void fastComputationFollowsConstraints();
    void linkTwiceUnlinks();
    void publishFromWorkerThread();
    void objectivePaintedDuringPublication_data();
    void objectivePaintedDuringPublication();
    void editsDuringSearch_data();
    void editsDuringSearch();
    void cleanupTestCase() { QCOMPARE(Eval::nbocc.load(), 0); }
};

void tst_Problem::maximiseSizeOnPathAndClone()
{
    Graph g("g", false), mine("VNS", false);
    makePath(g, 4);
    makePath(mine, 3);
    mine.addEdge(0, 2);
    Problem board(&g, "board", false);
    QVERIFY(board.openString(text({line("SIZE"), line("Z", kArg0, {"max"})})));
    QCOMPARE(board.getOptimizationPattern(), QVector<int>{-1});
    board.slot_set_max_eval(40);
    // A clone has no limit and evaluates its own graph with its own factors.
    std::unique_ptr<Problem> copy(board.clone());
    QCOMPARE(copy->maxEvals(), 0);
    QCOMPARE(copy->saveString(), board.saveString());
    copy->setGraph(&mine);
    board.setOptFactors({-1.0});
    Eval e, f;
    board.eval(&e);
    copy->eval(&f);
    QCOMPARE(e.display() + f.display(), QStringLiteral("<-3 >[0]<3 >[0]"));
    QCOMPARE(board.nbEvals(), 1);
}

void tst_Problem::constraintAmountsAndErrors()
{
    Graph g("g", false);
    Problem board(&g, "b", false);
    ConstraintProbe *c[3] = {new ConstraintProbe, new ConstraintProbe, new ConstraintProbe};
    const double base[3] = {1.5, 0, 7.25};
    for (int i = 0; i < 3; ++i) {
        c[i]->base = base[i];
        board.addConstraintItem(c[i]);
    }
    Eval e;
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("[0][7.25][0][1.5]")); // the error flag, then reversed
    // A NaN amount is the undefined value; a failing constraint raises the error flag, which
    // stays while the counter does not move.
    c[0]->base = c[2]->base = 0;
    c[1]->base = std::numeric_limits<double>::quiet_NaN();
    c[2]->failNext = true;
    g.addNode();
    board.eval(&e);
    QCOMPARE(QPointF(e.value(0), e.value(2)), QPointF(1, 1e12));
    c[2]->failNext = false;
    board.eval(&e);
    QCOMPARE(e.value(0), 1.0);
    // An objective without argument is in error and yields an empty vector.
    board.addZItem(new Z(false));
    g.addNode();
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<>[1][0][1e+12][0]"));
}

void tst_Problem::objectiveStoredValues_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QVector<double>>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("bounds") << QVector<double>{3, 1e12, -1e12, -2e13, 999999999999.0} << 1.0
                            << QVector<double>{3, 1e12, 1e12, 1e12, 999999999999.0};
    QTest::newRow("maximised") << QVector<double>{1e12, 5, -7} << -1.0
                               << QVector<double>{1e12, -5, 7};
    QTest::newRow("NaN, infinite") << QVector<double>{nan, -inf, 2} << 1.0
                                   << QVector<double>{1e12, 1e12, 2};
}

void tst_Problem::objectiveStoredValues()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, factor);
    QFETCH(QVector<double>, expected);
    Graph g("g", false);
    Problem board(&g, "b", false);
    Calculus *z = addObjective(board, columnProbe(values));
    board.setOptFactors({factor});
    Eval e;
    board.eval(&e);
    QCOMPARE(e.sizeZ(), 1);
    QCOMPARE(e.z(0), expected);
    for (int i = 0; i < values.size(); ++i) // the objective keeps its argument's values unscaled
        if (!std::isnan(values[i]))
            QCOMPARE(z->M[i][0], values[i]);
}

void tst_Problem::patternAndFactors()
{
    Graph g("g", false);
    Problem board(&g, "b", false);
    const QStringList keywords{"MINIMIZE", "MAXIMIZE", "MAXMIN"};
    for (int i = 0; i < 3; ++i)
        addObjective(board, columnProbe({double(i + 2)}), keywords[i]);
    QCOMPARE(board.getOptimizationPattern(), (QVector<int>{1, -1, 0}));
    Eval e;
    board.setOptFactors({1.0, -1.0}); // wrong size: nothing changes
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<2 ><3 ><4 >[0]"));
    board.setOptFactors({-1.0, -1.0, 1.0}); // same graph: the next evaluation uses them
    board.eval(&e);
    QCOMPARE(e.display(), QStringLiteral("<-2 ><-3 ><4 >[0]"));
}

void tst_Problem::evaluationLimit()
{
    Graph g("g", false);
    Problem board(&g, "b", false);
    QSignalSpy spy(&board, &Problem::signal_max_eval_reached);
    Eval e;
    // Signals seen after k more evaluations, and whether the limit is reached then.
    auto evals = [&](int k) {
        for (int i = 0; i < k; ++i)
            board.eval(&e);
        return QPoint(spy.count(), board.isMaxEvalsReached());
    };
    QCOMPARE(evals(5), QPoint(0, 0)); // no limit
    board.resetNbEvals();
    board.slot_set_max_eval(3);
    QCOMPARE(evals(2), QPoint(0, 0));
    QCOMPARE(evals(1), QPoint(1, 1));
    QCOMPARE(evals(2), QPoint(3, 1)); // again at every later evaluation
    QCOMPARE(board.nbEvals(), 5);
    board.resetNbEvals();
    QCOMPARE(evals(2), QPoint(3, 0));
    QCOMPARE(evals(1), QPoint(4, 1));
    board.slot_set_max_eval(10); // raised past the count: silent until reached
    QCOMPARE(evals(6), QPoint(4, 0));
    QCOMPARE(evals(1), QPoint(5, 1));
    board.slot_set_max_eval(0);
    QCOMPARE(evals(3), QPoint(5, 0));
}

void tst_Problem::fastComputationSkipsUnneeded()
{
    Graph g("g", false);
    makePath(g, 4);
    Problem board(&g, "b", false);
    InvariantProbe *colors = columnProbe({0.0, 1.0, 2.0, 3.0}), *unused = columnProbe({9.0});
    FamilyProbe *family = new FamilyProbe;
    auto *used = static_cast<InvariantProbe *>(addObjective(board, columnProbe({1.0}))->arg1);
    board.addInvariantItemLoadMode(colors);
    board.addInvariantItemLoadMode(unused);
    board.addFamilyItem(family);
    board.link1(colors, board.getColors());
    auto calls = [&] {
        return QVector<int>{used->calls, colors->calls, unused->calls, family->calls};
    };
    const QVector<int> c0 = calls();
    g.addEdge(0, 2);
    Eval e;
    board.eval(&e);
    QCOMPARE(calls(), (QVector<int>{c0[0] + 1, c0[1], c0[2], c0[3]}));
    g.addEdge(1, 3);
    board.compute(true);
    QCOMPARE(calls(), (QVector<int>{c0[0] + 2, c0[1] + 1, c0[2] + 1, c0[3] + 1}));
}

void tst_Problem::fastComputationFollowsConstraints_data()
{
    // Links made after the first fast computation (which marks once per change of the lists
    // or links): slot 1 or 2 of the constraint, straight or through an operator.
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("throughOperator");
    QTest::newRow("argument 1") << 1 << false;
    QTest::newRow("argument 2") << 2 << false;
    QTest::newRow("argument 1 through an operator") << 1 << true;
    QTest::newRow("argument 2 through an operator") << 2 << true;
}

void tst_Problem::fastComputationFollowsConstraints()
{
    QFETCH(int, slot);
    QFETCH(bool, throughOperator);
    Graph g("g", false);
    makePath(g, 4);
    Problem board(&g, "b", false);
    InvariantProbe *source = columnProbe({1.0}), *unused = columnProbe({2.0});
    OperatorProbe *op = new OperatorProbe;
    ConstraintProbe *constraint = new ConstraintProbe;
    board.addInvariantItemLoadMode(source);
    board.addInvariantItemLoadMode(unused);
    board.addOperatorItem(op);
    board.addConstraintItem(constraint);
    Eval e;
    board.eval(&e);
    Calculus *argument = source;
    if (throughOperator) {
        board.link1(source, op);
        argument = op;
    }
    slot == 1 ? board.link1(argument, constraint) : board.link2(argument, constraint);
    auto calls = [&] {
        return QVector<int>{source->calls, unused->calls, op->calls, constraint->calls};
    };
    for (int round = 0; round < 2; ++round) { // the marking made at the first round is kept
        const QVector<int> c0 = calls();
        g.addEdge(round, 3);
        board.eval(&e);
        QCOMPARE(calls(), (QVector<int>{c0[0] + 1, c0[1], c0[2] + int(throughOperator),
                                        c0[3] + 1}));
    }
}

void tst_Problem::linkTwiceUnlinks()
{
    Graph g("g", false);
    Problem board(&g, "b", false);
    OperatorProbe *a = new OperatorProbe, *b = new OperatorProbe, *c = new OperatorProbe;
    FamilyProbe *f = new FamilyProbe;
    for (Calculus *op : {a, b, c})
        board.addOperatorItem(op);
    board.addFamilyItem(f);
    board.link2(a, c);
    QCOMPARE(c->arg2, a);
    board.link2(a, c);
    QVERIFY(!c->arg2 && !c->isLinked(2) && a->links.isEmpty());
    // Moving an existing link to another source.
    board.link1(a, c);
    board.link1(b, c);
    QCOMPARE(c->arg1, b);
    QCOMPARE(c->link1->from(), static_cast<Calculus *>(b));
    QVERIFY(a->links.isEmpty());
    board.link1(a, f); // refused: nothing changes
    QVERIFY(!f->isLinked(1) && a->links.isEmpty());
}

void tst_Problem::publishFromWorkerThread()
{
    // A worker publishes into the display board: values reach the dialogs and the drawing
    // through the GUI thread's event loop. Meanwhile the GUI thread reads the board without
    // its lock, as the autosave does during a run.
    Graph g("g", true);
    makePath(g, 4);
    Problem board(&g, "b", true);
    QVERIFY(board.openString(text({line("DEGREES"), line("CONSTANT", {}, {"1", "1", "2.5"}),
                                   line("Z", kArg1, {"max"}), line("Colors", kArg0)})));
    g.addEdge(0, 3); // the cycle: every degree is 2
    const QString saved = board.saveString();
    std::atomic<bool> published{false};
    std::thread worker([&] {
        for (int i = 0; i < 300; ++i)
            board.best_backup();
        published.store(true);
    });
    bool same = true;
    while (!published.load())
        same = board.saveString() == saved && same;
    worker.join();
    QVERIFY(same);
    QCOMPARE(board.nbEvals(), 300);
    QTRY_COMPARE(g.getNode(3)->getColor(), 2);
    QTRY_COMPARE(board.getObjectives().at(0)->getCalculusDisplay()->getValue(), 2.5);
    QCOMPARE(board.getItems().at(0)->getCalculusDisplay()->getNbRows(), 4);
}

void tst_Problem::objectivePaintedDuringPublication_data()
{
    QTest::addColumn<QStringList>("lastDirections"); // applied in order, each then painted
    QTest::addColumn<double>("factor");
    QTest::newRow("minimised") << QStringList{"max", "min"} << 1.0;
    QTest::newRow("maximised") << QStringList{"min", "max"} << -1.0;
    QTest::newRow("both keep minimising") << QStringList{"min", "both"} << 1.0;
    QTest::newRow("both keep maximising") << QStringList{"max", "both"} << -1.0;
}

void tst_Problem::objectivePaintedDuringPublication()
{
    // Painting the objective on the GUI thread sets its factor from the ticked directions and
    // rescales its values, while a worker publishing into the board evaluates it.
    QFETCH(QStringList, lastDirections);
    QFETCH(double, factor);
    Graph g("g", false);
    makePath(g, 10);
    Problem board(&g, "b", true);
    QVERIFY(board.openString(text({line("SIZE"), line("Z", kArg0, {"min"})})));
    auto *z = static_cast<Z *>(board.getObjectives().at(0));
    QImage canvas(200, 200, QImage::Format_ARGB32);
    auto paintAs = [&](const QString &directions) {
        const bool min = directions != "max", max = directions != "min";
        // Turned on before the other is turned off, so that one direction always stays ticked.
        z->setMin(min || z->minimise());
        z->setMax(max);
        z->setMin(min);
        QPainter p(&canvas);
        z->paint(&p, nullptr, nullptr);
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int step = 0; step < 400; ++step) {
            if (step % 3)
                g.addEdge(step % 10, (step * 7 + 3) % 10);
            else
                g.remEdge(step % 10, (step * 3 + 1) % 10);
            board.best_backup();
        }
        done = true;
    });
    const QStringList cycle{"max", "both", "min", "both"};
    for (int k = 0; !done; ++k) {
        paintAs(cycle[k % cycle.size()]);
        QCoreApplication::processEvents();
    }
    worker.join();
    for (const QString &d : lastDirections)
        paintAs(d);
    QCoreApplication::processEvents();
    int edges = 0;
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j)
            edges += g.edge(i, j);
    Eval e;
    board.eval(&e);
    QCOMPARE(e.z(0), QVector<double>{factor * edges});
}

void tst_Problem::editsDuringSearch_data()
{
    QTest::addColumn<bool>("display");
    QTest::newRow("board without display") << false;
    QTest::newRow("display board") << true;
}

void tst_Problem::editsDuringSearch()
{
    // Workers publish every improvement into the white board from their threads while the
    // GUI thread reads texts into it, clears it, adds items and links them.
    QFETCH(bool, display);
    Graph main("main", display);
    makePath(main, 12);
    Problem board(&main, "white", display);
    connect(&main, &Graph::signal_best_graph_changed, &board, &Problem::slot_best_backup);
    const QString problem = text({line("SIZE"), line("DEGMAX"), line("DEGREES"),
                                  line("Z", kArg0, {"max"}), line(">=", {"0", "1", "NULL", "NULL"}),
                                  line("Colors", {"2", "NULL", "NULL", "NULL"})});
    QVERIFY(board.openString(problem));
    DataLoader loader;
    auto *manager = new VNSManager(&board, &main, nullptr, nullptr, &loader);
    // The run's last word, from its own thread: what it did before is seen once this is.
    std::atomic<bool> ended{false};
    connect(
        manager, &VNSManager::signal_please_wait, this,
        [&ended](bool wait) { ended.store(!wait, std::memory_order_release); },
        Qt::DirectConnection);
    manager->setSeed(1234);
    manager->slot_set_p1min(12);
    manager->slot_set_p1max(20);
    manager->slot_set_max_evals(20000);
    manager->slot_startVNS();
    BuildCalculus catalogue;
    int rounds = 0;
    while (manager->isRunning() || rounds < 3) {
        QVERIFY(board.openString(problem));
        Calculus *order = catalogue.makeCalculus("ORDER", display);
        board.addInvariantItem(order);
        Calculus *z = catalogue.makeCalculus("MAXIMIZE", display);
        board.addZItem(z);
        board.link1(order, z);
        board.link2(order, board.getConstraints().at(0));
        board.clear();
        board.addInvariantItemLoadMode(catalogue.makeCalculus("SIZE", display));
        board.addConstraintItem(catalogue.makeCalculus("CONNECTED", display));
        board.link1(board.getItems().at(0), board.getConstraints().at(0));
        QCoreApplication::processEvents();
        ++rounds;
    }
    QVERIFY(manager->wait(120000));
    QTRY_VERIFY_WITH_TIMEOUT(ended.load(std::memory_order_acquire), 60000);
    // The run searched its snapshot whatever the board became meanwhile.
    for (int j = 0; j < manager->nbJobs(); ++j)
        QVERIFY(manager->jobArchive(j)->size() > 0);
    QCOMPARE(loader.size() > 0, true);
    delete manager;
    QVERIFY(board.openString(problem));
    board.setOptFactors({1.0});
    Eval e;
    board.eval(&e);
    QCOMPARE(e.display(),
             QStringLiteral("<") + QString::number(main.getNbEdges()) + QStringLiteral(" >[0][0]"));
}

QTEST_MAIN(tst_Problem)
#include "tst_Problem.moc"
