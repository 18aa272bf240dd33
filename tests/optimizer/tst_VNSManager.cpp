#include "Boards.h"

#include "explorer/DataLoader.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNS.h"
#include "optimizer/VNSManager.h"

#include <QtTest>

#include <mutex>

Q_DECLARE_METATYPE(QVector<double>)

namespace
{

/// Everything the manager says, whatever thread says it; deleting it disconnects it.
struct Recorder {
    QObject context;
    explicit Recorder(VNSManager *m)
    {
        using Console4 = void (VNSManager::*)(QString, bool, int, QColor);
        QObject::connect(
            m, static_cast<Console4>(&VNSManager::signal_console), &context,
            [this](QString text, bool, int, QColor) { add(lines, text); }, Qt::DirectConnection);
        QObject::connect(
            m, &VNSManager::signal_nb_graphs, &context, [this](QString text) { add(labels, text); },
            Qt::DirectConnection);
        QObject::connect(
            m, &VNSManager::signal_enable_add_graphs, &context,
            [this](bool b) { add(buttons, b ? "on" : "off"); }, Qt::DirectConnection);
        QObject::connect(
            m, &VNSManager::signal_nb_jobs, &context,
            [this](int n) { add(jobs, QString::number(n)); }, Qt::DirectConnection);
        QObject::connect(
            m, &VNSManager::signal_new_solution, &context, [this] { add(solutions, "new"); },
            Qt::DirectConnection);
    }
    void add(QStringList &list, const QString &s)
    {
        std::lock_guard<std::mutex> guard(mutex);
        list << s;
    }
    QStringList get(const QStringList &list)
    {
        std::lock_guard<std::mutex> guard(mutex);
        return list;
    }
    std::mutex mutex;
    QStringList lines, labels, buttons, jobs, solutions;
};

struct ManagerRig {
    explicit ManagerRig(const QStringList &objectives, int n = 6)
        : main(QStringLiteral("main"), false), board(&main, QStringLiteral("white"), false)
    {
        setOrder(main, n);
        if (!objectives.isEmpty())
            addObjectives(board, QStringLiteral("SIZE"), objectives);
        manager = new VNSManager(&board, &main, nullptr, nullptr, &loader);
        manager->setSeed(1234);
        recorder = new Recorder(manager);
    }
    ~ManagerRig()
    {
        delete manager;
        delete recorder;
    }
    void runToEnd(int evalLimit)
    {
        manager->slot_set_max_evals(evalLimit);
        manager->slot_startVNS();
        QVERIFY(manager->wait(60000));
    }
    Graph main;
    Problem board;
    DataLoader loader;
    VNSManager *manager;
    Recorder *recorder;
};

QStringList startingLines(const QStringList &lines)
{
    return lines.filter(QRegularExpression("^Starting job "));
}

} // namespace

class tst_VNSManager : public QObject
{
    Q_OBJECT

private slots:
    void jobs_data()
    {
        QTest::addColumn<QStringList>("objectives");
        QTest::addColumn<int>("nmin");
        QTest::addColumn<int>("nmax");
        QTest::addColumn<QVector<int>>("orders");
        QTest::addColumn<QVector<QVector<double>>>("patterns");
        QTest::newRow("one minimised") << QStringList{"MINIMIZE"} << 10 << 10 << QVector<int>{10}
                                       << QVector<QVector<double>>{{1.0}};
        QTest::newRow("free then maximised")
            << QStringList{"MAXMIN", "MAXIMIZE"} << 8 << 9 << QVector<int>{8, 8, 9, 9}
            << QVector<QVector<double>>{{-1, -1}, {1, -1}, {-1, -1}, {1, -1}};
        QTest::newRow("two free") << QStringList{"MAXMIN", "MAXMIN"} << 5 << 5
                                  << QVector<int>{5, 5, 5, 5}
                                  << QVector<QVector<double>>{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
        QTest::newRow("orders clamped")
            << QStringList{"MINIMIZE"} << 31 << 40 << QVector<int>{31, 32}
            << QVector<QVector<double>>{{1.0}, {1.0}};
        QTest::newRow("tiny orders")
            << QStringList{"MAXIMIZE"} << 0 << 4 << QVector<int>{0, 1, 2, 3, 4}
            << QVector<QVector<double>>(5, {-1.0});
        QTest::newRow("no objectives")
            << QStringList{} << 5 << 6 << QVector<int>{} << QVector<QVector<double>>{};
        QTest::newRow("empty range")
            << QStringList{"MINIMIZE"} << 9 << 8 << QVector<int>{} << QVector<QVector<double>>{};
    }
    void jobs()
    {
        QFETCH(QStringList, objectives);
        QFETCH(int, nmin);
        QFETCH(int, nmax);
        QFETCH(QVector<int>, orders);
        QFETCH(QVector<QVector<double>>, patterns);
        ManagerRig rig(objectives);
        rig.manager->slot_set_p1min(nmin);
        rig.manager->slot_set_p1max(nmax);
        rig.runToEnd(30);
        QCOMPARE(rig.manager->nbJobs(), orders.size());
        for (int j = 0; j < orders.size(); ++j) {
            QCOMPARE(rig.manager->jobOrder(j), orders[j]);
            QCOMPARE(rig.manager->jobPattern(j), patterns[j]);
            // Every job searched graphs of its own order.
            const QString g = rig.manager->jobArchive(j)->graph(0);
            QCOMPARE(g.section(' ', 0, 0).toInt(), orders[j]);
        }
        QCOMPARE(rig.recorder->get(rig.recorder->jobs),
                 QStringList{QString::number(orders.size())});
        const QStringList lines = rig.recorder->get(rig.recorder->lines);
        QCOMPARE(startingLines(lines).size(), orders.size());
        QCOMPARE(lines.last(), QString::number(rig.loader.size()) + " Graphs added.");
        QCOMPARE(rig.recorder->get(rig.recorder->labels).last(),
                 QString("0 graphs waiting")); // Auto add handed them over.
    }

    void threePatternsAfterMaximised()
    {
        ManagerRig rig({"MAXIMIZE", "MAXMIN", "MAXMIN", "MAXMIN"});
        rig.runToEnd(10);
        QCOMPARE(rig.manager->nbJobs(), 8);
        QSet<QVector<double>> seen;
        for (int j = 0; j < 8; ++j) {
            QCOMPARE(rig.manager->jobPattern(j).value(0), -1.0);
            seen.insert(rig.manager->jobPattern(j));
        }
        QCOMPARE(seen.size(), 8);
    }

    void threadCountHeldInPool_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("used");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("zero") << 0 << 1;
        QTest::newRow("negative") << -3 << 1;
        QTest::newRow("nine") << 9 << 4;
    }
    void threadCountHeldInPool()
    {
        QFETCH(int, requested);
        QFETCH(int, used);
        ManagerRig rig({"MINIMIZE"});
        rig.manager->slot_set_nb_threads(requested);
        rig.manager->slot_set_p1min(5);
        rig.manager->slot_set_p1max(12);
        rig.runToEnd(40);
        QStringList inOrder;
        for (int j = 1; j <= 8; ++j)
            inOrder << QString("Starting job %1/8").arg(j);
        const QStringList starts = startingLines(rig.recorder->get(rig.recorder->lines));
        // One worker takes the jobs one after another; more may announce them out of order.
        if (used == 1)
            QCOMPARE(starts, inOrder);
        QCOMPARE(starts.size(), 8);
        int busy = 0;
        for (int t = 0; t < 4; ++t)
            busy += rig.manager->worker(t)->evaluationsDone() > 0;
        QVERIFY(busy <= used);
        QVERIFY(busy >= 1);
    }

    void pourAndLabels()
    {
        ManagerRig rig({"MAXIMIZE"});
        rig.manager->slot_set_p1min(5);
        rig.manager->slot_set_p1max(6);
        rig.manager->slot_auto_add_graphs(false);
        rig.runToEnd(300);
        int held = 0;
        QStringList expected;
        for (int j = 0; j < rig.manager->nbJobs(); ++j)
            for (const QString &g : rig.manager->jobArchive(j)->graphs()) {
                ++held;
                expected << g;
            }
        QVERIFY(held >= 2);
        QCOMPARE(rig.loader.graphs(), expected);
        const QStringList lines = rig.recorder->get(rig.recorder->lines);
        QCOMPARE(lines.last(), QString::number(held) + " Graphs added.");
        QCOMPARE(rig.recorder->get(rig.recorder->labels),
                 QStringList({"0 graphs waiting", QString::number(held) + " graphs waiting"}));
        // "off" from switching auto add off, then "on" at the end of the run.
        QCOMPARE(rig.recorder->get(rig.recorder->buttons), QStringList({"off", "on"}));
        // The complete graph is the only maximum of the size.
        for (int j = 0; j < rig.manager->nbJobs(); ++j) {
            Graph g(QStringLiteral("check"), false);
            g.loadCurrentGraph(rig.manager->jobArchive(j)->graph(0));
            QCOMPARE(edgesOf(g), g.getNbNodes() * (g.getNbNodes() - 1) / 2);
        }
    }

    void tooManyPatternsRefused()
    {
        QStringList free;
        for (int i = 0; i < 11; ++i)
            free << "MAXMIN";
        ManagerRig rig(free);
        rig.manager->slot_startVNS();
        QVERIFY(rig.manager->wait(10000));
        QCOMPARE(rig.manager->nbJobs(), 0);
        QVERIFY(rig.recorder->get(rig.recorder->jobs).isEmpty());
        QVERIFY(rig.recorder->get(rig.recorder->lines).value(0).startsWith("Too many objectives"));
    }

    void maxTimeInMilliseconds()
    {
        ManagerRig rig({"MINIMIZE"});
        rig.manager->slot_setMaxTime(90);
        QCOMPARE(rig.manager->getMaxTime(), qint64(90000));
        rig.manager->slot_setMaxTime(3000000);
        QCOMPARE(rig.manager->getMaxTime(), qint64(3000000) * 1000);
    }

    void stopDuringRunPoursWhatWasFound()
    {
        ManagerRig rig({"MAXIMIZE"}, 8);
        rig.manager->slot_set_p1min(8);
        rig.manager->slot_set_p1max(30);
        rig.manager->slot_set_nb_threads(2);
        rig.manager->slot_set_max_evals(0);
        rig.manager->slot_startVNS();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.recorder->get(rig.recorder->solutions).isEmpty(), 20000);
        // A start request during a run changes nothing.
        rig.manager->slot_startVNS();
        rig.manager->slot_stopVNS();
        const int started = startingLines(rig.recorder->get(rig.recorder->lines)).size();
        QVERIFY(rig.manager->wait(20000));
        QVERIFY(started < rig.manager->nbJobs());
        QCOMPARE(startingLines(rig.recorder->get(rig.recorder->lines)).size(), started);
        QCOMPARE(rig.recorder->get(rig.recorder->jobs).size(), 1);
        QVERIFY(rig.loader.size() > 0);
        QCOMPARE(rig.recorder->get(rig.recorder->lines).last(),
                 QString::number(rig.loader.size()) + " Graphs added.");
        for (int j = started; j < rig.manager->nbJobs(); ++j)
            QCOMPARE(rig.manager->jobArchive(j)->size(), 0);
    }

    void destroyedDuringRun()
    {
        ManagerRig rig({"MAXIMIZE"}, 8);
        rig.manager->slot_set_p1min(8);
        rig.manager->slot_set_p1max(20);
        rig.manager->slot_set_max_evals(0);
        rig.manager->slot_startVNS();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.recorder->get(rig.recorder->solutions).isEmpty(), 20000);
        delete rig.manager;
        rig.manager = nullptr;
        // The run was cut short and poured before the workers went.
        QVERIFY(rig.loader.size() > 0);
    }
};

QTEST_MAIN(tst_VNSManager)
#include "tst_VNSManager.moc"
