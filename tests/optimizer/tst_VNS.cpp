#include "Boards.h"

#include "Patience.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "optimizer/VNS.h"
#include "problem/Eval.h"

#include <QSignalSpy>
#include <QtTest>

#include <mutex>

namespace
{

/// A white board on a main graph of order n with one objective on SIZE, and a worker.
struct Rig {
    Rig(int n, const QString &objective)
        : main(QStringLiteral("main"), false), board(&main, QStringLiteral("white"), false)
    {
        setOrder(main, n);
        addObjectives(board, QStringLiteral("SIZE"), {objective});
        worker = new VNS(&board, &main, 0, &mutex);
        worker->setSeed(1234);
    }
    ~Rig() { delete worker; }
    /// Hands a job over as the manager would, with this board's text, then draws a graph.
    Graph *init(int n, int evalLimit, double factor = 1.0, qint64 maxTime = 600000,
                bool draw = true)
    {
        job.open();
        worker->init(n, maxTime, &job, {factor}, 0, board.saveString());
        worker->slot_set_max_evals(evalLimit);
        if (draw)
            worker->getGraph()->randomGraph(n);
        return worker->getGraph();
    }
    Graph main;
    Problem board;
    std::mutex mutex;
    OptimalSolutions job;
    VNS *worker = nullptr;
};

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

    /// Shaking keeps degrees; one attempt moves the graph exactly when a swap exists; the
    /// local archive then holds only the shaken graph (below order 5 nothing happens).
    void swapsKeepDegrees()
    {
        for (int n : {4, 5, 7, 12, 32})
            for (int swaps : {0, 1, 1, 1, 1, 5, 40}) {
                Rig rig(n, "MINIMIZE");
                Graph *g = rig.init(n, 0);
                const QVector<int> before = degreesOf(*g);
                Graph original(QStringLiteral("original"), false);
                original.copy(g);
                rig.worker->perturb(swaps);
                QCOMPARE(degreesOf(*g), before);
                QCOMPARE(rig.worker->getLocalArchive()->graphs(),
                         n < 5 ? QVector<QString>{} : QVector<QString>{g->currentGraphData()});
                if (swaps <= 1)
                    QCOMPARE(g->currentGraphData() != original.currentGraphData(),
                             swaps == 1 && n > 4 && hasSwap(original));
            }
    }

    /// Codes 0..63 written on a quadruple and read back by the pair table; 41 is the path
    /// q0-q1-q2-q3 (pairs 01, 12, 23). Nothing outside the quadruple moves.
    void quadSignature()
    {
        Rig rig(8, "MINIMIZE");
        const int pairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
        const QVector<QVector<int>> quads{{0, 1, 2, 3}, {5, 2, 7, 0}, {3, 6, 1, 4}};
        for (int round = 0; round < 60; ++round) {
            const QVector<int> &quad = quads[round % 3];
            Graph *g = rig.init(8, 0);
            Graph before(QStringLiteral("before"), false);
            before.copy(g);
            const int code = round % 2 ? 41 : qrand() % 64;
            rig.worker->setQuadGraph(quad.constData(), code);
            QCOMPARE(rig.worker->quadSignature(quad.constData()), code);
            for (int p = 0; p < 6; ++p)
                QCOMPARE(g->edge(quad[pairs[p][0]], quad[pairs[p][1]]), bool(code & (1 << p)));
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j)
                    if (!(quad.contains(i) && quad.contains(j)))
                        QCOMPARE(g->edge(i, j), before.edge(i, j));
        }
    }

    /// A snapshot that does not read back into the clone: the job ends without searching and
    /// says so in red, rather than searching another problem or an empty board.
    void unreadableSnapshotIsNotSearched()
    {
        Rig rig(6, "MINIMIZE");
        QSignalSpy console(rig.worker, &VNS::signal_console);
        rig.board.getItems().at(0)->givenName = QStringLiteral("split\tname");
        rig.init(6, 200, 1.0, 600000, false);
        rig.worker->run();
        QVERIFY(!rig.worker->isJobActive());
        QCOMPARE(rig.job.size(), 0);
        QCOMPARE(rig.worker->getBoard()->nbEvals(), 0);
        QVERIFY(!console.isEmpty());
        const QList<QVariant> first = console.first();
        QVERIFY(first.at(0).toString().contains("cannot be read back"));
        QCOMPARE(first.mid(1, 3), (QList<QVariant>{false, 0, QColor(Qt::red)}));
    }

    void addRemoveReachesLocalOptimum()
    {
        for (bool max : {true, false}) {
            Rig rig(7, max ? "MAXIMIZE" : "MINIMIZE");
            Graph *g = rig.init(7, 0, max ? -1.0 : 1.0);
            rig.worker->ls_add_rem();
            QCOMPARE(edgesOf(*g), max ? 21 : 0);
            QCOMPARE(rig.main.currentGraphData(), g->currentGraphData());
        }
    }

    /// 66 pairs (and 495 quadruples) are due; the limit stops the pass within one move, plus
    /// the publication's own evaluation.
    void stopInMidPass()
    {
        for (bool stoquad : {false, true}) {
            Rig rig(12, "MAXIMIZE");
            rig.init(12, 25, -1.0);
            const int evalsBefore = rig.worker->getBoard()->nbEvals();
            QSignalSpy progress(rig.worker, &VNS::signal_progress_vns);
            stoquad ? rig.worker->ls_stoquad() : rig.worker->ls_add_rem();
            QVERIFY(rig.worker->isStopped() && rig.job.isClosed() && progress.count() == 1);
            QVERIFY(rig.worker->getBoard()->nbEvals() - evalsBefore <= 25 + 2);
            QCOMPARE(progress.at(0).at(1).toLongLong(), 100);
        }
    }

    /// After a pass the learned scores beyond 0.01 are centred on their mean.
    void centringAfterStop()
    {
        Rig rig(6, "MINIMIZE");
        rig.init(6, 0);
        for (const QVector<double> &e :
             QVector<QVector<double>>{{1, 2, 3}, {4, 5, -1}, {7, 8, 0.005}})
            rig.worker->setStoquad(int(e[0]), int(e[1]), e[2]);
        rig.worker->requestStop();
        rig.worker->ls_stoquad();
        QCOMPARE(QVector<double>({rig.worker->stoquad(1, 2), rig.worker->stoquad(4, 5),
                                  rig.worker->stoquad(7, 8), rig.worker->stoquad(0, 0)}),
                 QVector<double>({2.0, -2.0, 0.005, 0.0}));
        rig.worker->clear_stoquad_matrix();
        rig.worker->setStoquad(3, 9, 0.01);
        rig.worker->ls_stoquad();
        QCOMPARE(rig.worker->stoquad(3, 9), 0.01);
    }

    /// run() and clear() before any job, a stop between hand-over and run() kept, one run per
    /// hand-over, and the timer's ticks.
    void lifecycle()
    {
        Rig rig(6, "MINIMIZE");
        QSignalSpy console(rig.worker, &VNS::signal_console);
        QSignalSpy ended(rig.worker, &VNS::signal_job_ended);
        QSignalSpy progress(rig.worker, &VNS::signal_progress_vns);
        rig.worker->run();
        rig.worker->clear();
        rig.worker->slot_terminateVNS(); // idle: no bar to move
        QVERIFY(console.isEmpty() && progress.isEmpty());
        rig.init(6, 0);
        QVERIFY(rig.worker->isJobActive());
        rig.worker->slot_terminateVNS();
        QVERIFY(rig.job.isClosed());
        rig.worker->run(); // would search forever without the kept stop
        QVERIFY(ended.count() == 1 && rig.job.size() == 0 && !rig.worker->isJobActive());
        rig.init(6, 50);
        rig.worker->run();
        const int messages = console.count();
        rig.worker->run(); // a second run after one hand-over does nothing
        QVERIFY(messages > 0 && console.count() == messages);
        progress.clear();
        // A tick between the hand-over and the start measures from the hand-over.
        rig.init(5, 0, 1.0, 60000);
        rig.worker->slot_timer();
        QVERIFY(!rig.worker->isStopped() && !rig.job.isClosed());
        QVERIFY(progress.takeFirst().at(1).toLongLong() != 100);
        rig.init(5, 0, 1.0, 0);
        rig.worker->slot_timer(); // max time 0: the first tick ends the job
        rig.worker->slot_timer();
        QVERIFY(rig.worker->isStopped() && progress.count() == 1);
        QCOMPARE(progress.at(0).at(1).toLongLong(), 100);
    }

    /// A job of order 12 from a main graph of 8: the main graph shows the newest graph of the
    /// job archive.
    void jobOrderAndShakeRange()
    {
        Rig rig(8, "MAXIMIZE");
        rig.init(12, 2000, -1.0, 600000, false);
        QSignalSpy changed(rig.worker, &VNS::signal_best_solution_changed);
        rig.worker->start();
        QVERIFY(rig.worker->wait(kPatienceMs));
        QVERIFY(!rig.worker->isJobActive() && rig.job.isClosed() && changed.count() > 0);
        QVERIFY(rig.job.size() > 0);
        QCOMPARE(rig.job.graph(0).section(' ', 0, 0), QString("12"));
        QCOMPARE(rig.main.currentGraphData(), rig.job.lastSolution()->getGraph());
    }

    /// Shake sizes from the main graph's order, or from the job's where the main graph is
    /// empty and would give none at all.
    void shakeRange_data()
    {
        QTest::addColumn<int>("mainOrder");
        QTest::addColumn<int>("jobOrder");
        QTest::addColumn<int>("kmin");
        QTest::addColumn<int>("kmax");
        QTest::newRow("main 8, job 12") << 8 << 12 << 2 << 8;
        QTest::newRow("main 4, job 16") << 4 << 16 << 1 << 4;
        QTest::newRow("main 3, job 16") << 3 << 16 << 0 << 3;
        QTest::newRow("main 1, job 32") << 1 << 32 << 0 << 1;
        QTest::newRow("main 32, job 5") << 32 << 5 << 8 << 32;
        QTest::newRow("empty main, job 16") << 0 << 16 << 4 << 16;
        QTest::newRow("empty main, job 3") << 0 << 3 << 0 << 3;
        QTest::newRow("empty main, empty job") << 0 << 0 << 0 << 0;
    }
    void shakeRange()
    {
        QFETCH(int, mainOrder);
        QFETCH(int, jobOrder);
        QFETCH(int, kmin);
        QFETCH(int, kmax);
        Rig rig(mainOrder, "MAXIMIZE");
        rig.init(jobOrder, 1, -1.0, 600000, false);
        rig.worker->run(); // the evaluation limit ends the job at once
        QCOMPARE(rig.worker->getKMin(), kmin);
        QCOMPARE(rig.worker->getKMax(), kmax);
        QCOMPARE(rig.worker->getGraph()->getNbNodes(), jobOrder);
    }

    void publishing()
    {
        Rig rig(5, "MINIMIZE");
        rig.init(5, 0);
        QSignalSpy changed(rig.worker, &VNS::signal_best_solution_changed);
        QSignalSpy sizes(rig.worker, &VNS::signal_nb_best_solutions);
        QSignalSpy console(rig.worker, &VNS::signal_console);
        rig.worker->best_backup("Restart"); // empty job archive: nothing to publish
        QVERIFY(changed.isEmpty() && sizes.isEmpty());
        Eval e;
        e.push_back(0.0);
        e.addZ({1.0});
        rig.job.addSolution(new Solution(&e, QStringLiteral("5 1100000001")));
        rig.worker->best_backup("ls_add_rem");
        QVERIFY(changed.count() == 1 && sizes.count() == 1);
        for (const QString &shown : {rig.main.currentGraphData(), rig.main.graphData(),
                                     rig.worker->getGraph()->currentGraphData()})
            QCOMPARE(shown, QString("5 1100000001"));
        QVERIFY(console.last().at(0).toString().startsWith("ls_add_rem [0] : <1 >[0]\t time = "));
    }

    /// The fast-mode marking is kept between evaluations: a relink must still be seen.
    void fastMarkingFollowsRelinks()
    {
        Graph g(QStringLiteral("g"), false);
        setOrder(g, 6);
        g.addEdge(0, 1);
        Problem board(&g, QStringLiteral("b"), false);
        Calculus *z = addObjectives(board, QStringLiteral("ORDER"), {"MINIMIZE"}).first();
        Calculus *size = BuildCalculus().makeCalculus("SIZE", false);
        board.addInvariantItemLoadMode(size);
        Eval e;
        auto value = [&] { return board.eval(&e), e.zvalue(0); };
        QCOMPARE(value(), 6.0);
        board.link1(size, z);
        g.addEdge(2, 3);
        QCOMPARE(value(), 2.0);
        g.addEdge(3, 4);
        QCOMPARE(value(), 3.0);
    }
};

QTEST_MAIN(tst_VNS)
#include "tst_VNS.moc"
