#include "Boards.h"

#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "optimizer/VNS.h"
#include "problem/Eval.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <mutex>

namespace
{

/// A white board on a main graph of order n with the given objectives on SIZE, and a worker.
struct Rig {
    Rig(int n, const QStringList &objectives, const QString &invariant = QStringLiteral("SIZE"))
        : main(QStringLiteral("main"), false), board(&main, QStringLiteral("white"), false)
    {
        setOrder(main, n);
        addObjectives(board, invariant, objectives);
        worker = new VNS(&board, &main, 0, &mutex);
        worker->setSeed(1234);
    }
    ~Rig() { delete worker; }
    /// Hands a job over as the manager would, with this board's text.
    void init(int n, int evalLimit, QVector<double> factors = {1.0}, qint64 maxTime = 600000)
    {
        worker->init(n, maxTime, &job, factors, 0, board.saveString());
        worker->slot_set_max_evals(evalLimit);
    }
    Graph main;
    Problem board;
    std::mutex mutex;
    OptimalSolutions job;
    VNS *worker = nullptr;
};

bool isComplete(const Graph &g)
{
    return edgesOf(g) == g.getNbNodes() * (g.getNbNodes() - 1) / 2;
}

/// Some a-b, c-d edges with a-d and c-b absent, all four distinct.
bool hasSwap(const Graph &g)
{
    const int n = g.getNbNodes();
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            for (int c = 0; c < n; ++c)
                for (int d = 0; d < n; ++d)
                    if (a != c && b != d && a != d && b != c && g.edge(a, b) && g.edge(c, d) &&
                        !g.edge(a, d) && !g.edge(c, b))
                        return true;
    return false;
}

} // namespace

class tst_VNS : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qsrand(1234); }

    void swapsKeepDegrees_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("swaps");
        for (int n : {5, 7, 12, 32})
            for (int k : {1, 5, 40})
                for (int round = 0; round < (k == 1 ? 6 : 1); ++round)
                    QTest::newRow(qPrintable(QString("n=%1 k=%2 #%3").arg(n).arg(k).arg(round)))
                        << n << k;
    }
    void swapsKeepDegrees()
    {
        QFETCH(int, n);
        QFETCH(int, swaps);
        Rig rig(n, {"MINIMIZE"});
        rig.init(n, 0);
        Graph *g = rig.worker->getGraph();
        g->randomGraph(n);
        const QVector<int> before = degreesOf(*g);
        const int edges = edgesOf(*g);
        const QString start = g->currentGraphData();
        rig.worker->perturb(swaps);
        QCOMPARE(degreesOf(*g), before);
        QCOMPARE(edgesOf(*g), edges);
        QCOMPARE(g->getNbNodes(), n);
        // The local archive holds only the shaken graph.
        QCOMPARE(rig.worker->getLocalArchive()->graphs(), QVector<QString>{g->currentGraphData()});
        // One attempt changes the graph exactly when some admissible swap exists.
        if (swaps == 1) {
            Graph original(QStringLiteral("original"), false);
            original.loadCurrentGraph(start);
            QCOMPARE(g->currentGraphData() != start, hasSwap(original));
        }
    }

    void smallOrdersAndZeroSwaps()
    {
        Rig rig(4, {"MINIMIZE"});
        rig.init(4, 0);
        OptimalSolutions *local = rig.worker->getLocalArchive();
        Eval e;
        e.push_back(0.0);
        e.addZ({3.0});
        QVERIFY(local->offer(&e, nullptr));
        rig.worker->perturb(10);
        QCOMPARE(local->size(), 1);
        QCOMPARE(local->graph(0), QString());

        Rig five(5, {"MINIMIZE"});
        five.init(5, 0);
        five.worker->getGraph()->randomGraph(5);
        const QString start = five.worker->getGraph()->currentGraphData();
        five.worker->perturb(0);
        QCOMPARE(five.worker->getGraph()->currentGraphData(), start);
        QCOMPARE(five.worker->getLocalArchive()->graphs(), QVector<QString>{start});
    }

    void quadSignature_data()
    {
        QTest::addColumn<QVector<int>>("quad");
        QTest::newRow("0 1 2 3") << QVector<int>{0, 1, 2, 3};
        QTest::newRow("5 2 7 0") << QVector<int>{5, 2, 7, 0};
        QTest::newRow("3 6 1 4") << QVector<int>{3, 6, 1, 4};
    }
    void quadSignature()
    {
        QFETCH(QVector<int>, quad);
        Rig rig(8, {"MINIMIZE"});
        rig.init(8, 0);
        Graph *g = rig.worker->getGraph();
        const int *q = quad.constData();
        for (int round = 0; round < 20; ++round) {
            g->randomGraph(8);
            Graph before(QStringLiteral("before"), false);
            before.copy(g);
            rig.worker->setQuadGraph(q, 41);
            // Path q0-q1-q2-q3: pairs 01, 12, 23 are bits 0, 3, 5.
            QCOMPARE(rig.worker->quadSignature(q), 1 + 8 + 32);
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b) {
                    const bool path = b == a + 1;
                    QCOMPARE(g->edge(q[a], q[b]), path);
                }
            // Nothing outside the quadruple moved.
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j)
                    if (!(quad.contains(i) && quad.contains(j)))
                        QCOMPARE(g->edge(i, j), before.edge(i, j));
            // Each code lands where the table puts its pairs.
            const int code = qrand() % 64;
            rig.worker->setQuadGraph(q, code);
            const int pairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
            for (int p = 0; p < 6; ++p)
                QCOMPARE(g->edge(q[pairs[p][0]], q[pairs[p][1]]), bool(code & (1 << p)));
        }
    }

    void addRemoveReachesLocalOptimum_data()
    {
        QTest::addColumn<QString>("objective");
        QTest::addColumn<bool>("complete");
        QTest::newRow("maximise size") << "MAXIMIZE" << true;
        QTest::newRow("minimise size") << "MINIMIZE" << false;
    }
    void addRemoveReachesLocalOptimum()
    {
        QFETCH(QString, objective);
        QFETCH(bool, complete);
        const int n = 7;
        Rig rig(n, {objective});
        rig.init(n, 0, {objective == "MAXIMIZE" ? -1.0 : 1.0});
        Graph *g = rig.worker->getGraph();
        g->randomGraph(n);
        // The job archive needs an entry with a point before improvements can be published.
        rig.worker->ls_add_rem();
        rig.worker->getLocalArchive()->clear();
        rig.worker->ls_add_rem();
        if (complete)
            QVERIFY(isComplete(*g));
        else
            QCOMPARE(edgesOf(*g), 0);
        QCOMPARE(rig.main.currentGraphData(), g->currentGraphData());
    }

    void stopInMidPass_data()
    {
        QTest::addColumn<bool>("stoquad");
        QTest::newRow("add/remove") << false;
        QTest::newRow("four-vertex") << true;
    }
    void stopInMidPass()
    {
        QFETCH(bool, stoquad);
        const int n = 12;
        const int limit = 25;
        Rig rig(n, {"MAXIMIZE"});
        rig.init(n, limit, {-1.0});
        rig.worker->getGraph()->randomGraph(n);
        const int evalsBefore = rig.worker->getBoard()->nbEvals();
        QSignalSpy progress(rig.worker, &VNS::signal_progress_vns);
        stoquad ? rig.worker->ls_stoquad() : rig.worker->ls_add_rem();
        // 66 pairs (and 495 quadruples) were due; the limit stopped the pass within one move,
        // plus the publication's own evaluation.
        QVERIFY(rig.worker->isStopped());
        QVERIFY2(rig.worker->getBoard()->nbEvals() - evalsBefore <= limit + 2,
                 qPrintable(QString::number(rig.worker->getBoard()->nbEvals())));
        QVERIFY(rig.job.isClosed());
        QCOMPARE(progress.count(), 1);
        QCOMPARE(progress.at(0).at(1).toLongLong(), 100);
    }

    void centringAfterStop()
    {
        Rig rig(6, {"MINIMIZE"});
        rig.init(6, 0);
        rig.worker->setStoquad(1, 2, 3.0);
        rig.worker->setStoquad(4, 5, -1.0);
        rig.worker->setStoquad(7, 8, 0.005);
        rig.worker->requestStop();
        rig.worker->ls_stoquad();
        // Mean of the entries beyond 0.01: (3 - 1) / 2.
        QCOMPARE(rig.worker->stoquad(1, 2), 2.0);
        QCOMPARE(rig.worker->stoquad(4, 5), -2.0);
        QCOMPARE(rig.worker->stoquad(7, 8), 0.005);
        QCOMPARE(rig.worker->stoquad(0, 0), 0.0);

        rig.worker->clear_stoquad_matrix();
        rig.worker->setStoquad(3, 9, 0.01);
        rig.worker->ls_stoquad();
        QCOMPARE(rig.worker->stoquad(3, 9), 0.01);
    }

    void runWithoutInitDoesNothing()
    {
        Rig rig(6, {"MINIMIZE"});
        QSignalSpy console(rig.worker, &VNS::signal_console);
        rig.worker->run();
        QCOMPARE(console.count(), 0);
        rig.worker->clear(); // No job archive yet.
        rig.init(6, 50);
        rig.worker->run();
        const int messages = console.count();
        QVERIFY(messages > 0);
        rig.worker->run(); // A second run after one init does nothing.
        QCOMPARE(console.count(), messages);
    }

    void stopBeforeRunIsKept()
    {
        Rig rig(6, {"MINIMIZE"});
        rig.init(6, 0);
        QSignalSpy ended(rig.worker, &VNS::signal_job_ended);
        QVERIFY(rig.worker->isJobActive());
        rig.worker->slot_terminateVNS();
        QVERIFY(rig.job.isClosed());
        rig.worker->run(); // Would search forever without the kept stop.
        QCOMPARE(ended.count(), 1);
        QCOMPARE(rig.job.size(), 0);
        QVERIFY(!rig.worker->isJobActive());
    }

    void jobOrderAndShakeRange()
    {
        Rig rig(8, {"MAXIMIZE"});
        rig.init(12, 2000, {-1.0});
        QSignalSpy changed(rig.worker, &VNS::signal_best_solution_changed);
        rig.worker->start();
        QVERIFY(rig.worker->wait(20000));
        QVERIFY(!rig.worker->isJobActive());
        QVERIFY(rig.job.isClosed());
        QVERIFY(changed.count() > 0);
        QCOMPARE(rig.worker->getKMin(), 2);
        QCOMPARE(rig.worker->getKMax(), 8);
        QCOMPARE(rig.worker->getGraph()->getNbNodes(), 12);
        QVERIFY(rig.job.size() > 0);
        QCOMPARE(rig.job.graph(0).section(' ', 0, 0), QString("12"));
        // The main graph shows the job archive's newest graph.
        QCOMPARE(rig.main.currentGraphData(), rig.job.lastSolution()->getGraph());
    }

    void publishing()
    {
        Rig rig(5, {"MINIMIZE"});
        rig.init(5, 0);
        QSignalSpy changed(rig.worker, &VNS::signal_best_solution_changed);
        QSignalSpy sizes(rig.worker, &VNS::signal_nb_best_solutions);
        rig.worker->best_backup("Restart");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(sizes.count(), 0);

        Eval e;
        e.push_back(0.0);
        e.addZ({1.0});
        rig.job.addSolution(new Solution(&e, QStringLiteral("5 1100000001")));
        QSignalSpy console(rig.worker, &VNS::signal_console);
        rig.worker->best_backup("ls_add_rem");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(sizes.count(), 1);
        QCOMPARE(rig.main.currentGraphData(), QString("5 1100000001"));
        QCOMPARE(rig.main.graphData(), QString("5 1100000001"));
        QCOMPARE(rig.worker->getGraph()->currentGraphData(), QString("5 1100000001"));
        QVERIFY(console.at(0).at(0).toString().startsWith("ls_add_rem [0] : <1 >[0]\t time = "));
    }

    void timerAndTermination()
    {
        Rig rig(5, {"MINIMIZE"});
        QSignalSpy progress(rig.worker, &VNS::signal_progress_vns);
        rig.worker->slot_terminateVNS(); // Idle: no bar to move.
        QCOMPARE(progress.count(), 0);
        // A tick between the hand-over and the start measures from the hand-over.
        rig.init(5, 0, {1.0}, 60000);
        rig.worker->slot_timer();
        QVERIFY(!rig.worker->isStopped());
        QVERIFY(!rig.job.isClosed());
        QVERIFY(progress.takeFirst().at(1).toLongLong() != 100);
        rig.init(5, 0, {1.0}, 0);
        rig.worker->slot_timer(); // Max time 0: the first tick ends the job.
        QCOMPARE(progress.count(), 1);
        QCOMPARE(progress.at(0).at(1).toLongLong(), 100);
        QVERIFY(rig.worker->isStopped());
        rig.worker->slot_timer();
        QCOMPARE(progress.count(), 1);
    }

    void fastMarkingFollowsRelinks()
    {
        // The fast-mode marking is kept between evaluations: a relink must still be seen.
        Graph g(QStringLiteral("g"), false);
        setOrder(g, 6);
        g.addEdge(0, 1);
        Problem board(&g, QStringLiteral("b"), false);
        BuildCalculus catalogue;
        Calculus *order = catalogue.makeCalculus("ORDER", false);
        Calculus *size = catalogue.makeCalculus("SIZE", false);
        Calculus *z = catalogue.makeCalculus("MINIMIZE", false);
        board.addInvariantItemLoadMode(order);
        board.addInvariantItemLoadMode(size);
        board.addZItem(z);
        board.link1(order, z);
        Eval e;
        board.eval(&e);
        QCOMPARE(e.zvalue(0), 6.0);
        board.link1(size, z);
        g.addEdge(2, 3);
        board.eval(&e);
        QCOMPARE(e.zvalue(0), 2.0);
        g.addEdge(3, 4);
        board.eval(&e);
        QCOMPARE(e.zvalue(0), 3.0);
    }
};

QTEST_MAIN(tst_VNS)
#include "tst_VNS.moc"
