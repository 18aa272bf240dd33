#include "Boards.h"

#include "Patience.h"
#include "explorer/DataLoader.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNS.h"
#include "optimizer/VNSManager.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <mutex>

namespace
{

/// Everything the manager says, whatever thread says it, as "kind:text"; deleting it
/// disconnects it.
struct Recorder {
    QObject context;
    std::mutex mutex;
    QStringList log;
    explicit Recorder(VNSManager *m)
    {
        using Console4 = void (VNSManager::*)(QString, bool, int, QColor);
        on(m, static_cast<Console4>(&VNSManager::signal_console),
           [this](QString text, bool, int, QColor) { add("line", text); });
        on(m, &VNSManager::signal_nb_graphs, [this](QString t) { add("label", t); });
        on(m, &VNSManager::signal_enable_add_graphs,
           [this](bool b) { add("button", b ? "on" : "off"); });
        on(m, &VNSManager::signal_nb_jobs, [this](int n) { add("jobs", QString::number(n)); });
        on(m, &VNSManager::signal_new_solution, [this] { add("new", ""); });
    }
    template <class S, class F> void on(VNSManager *m, S signal, F f)
    {
        QObject::connect(m, signal, &context, f, Qt::DirectConnection);
    }
    void add(const QString &kind, const QString &text)
    {
        std::lock_guard<std::mutex> guard(mutex);
        log << kind + ':' + text;
    }
    QStringList get(const QString &kind)
    {
        std::lock_guard<std::mutex> guard(mutex);
        QStringList out;
        for (const QString &s : log)
            if (s.startsWith(kind + ':'))
                out << s.mid(kind.size() + 1);
        return out;
    }
    QStringList starts() { return get("line").filter(QRegularExpression("^Starting job ")); }
};

int triangles(const Graph &g)
{
    const int n = g.getNbNodes();
    int count = 0;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                count += g.edge(a, b) && g.edge(b, c) && g.edge(a, c);
    return count;
}

/// A manager over a white board built by `build` on a main graph of order n.
struct Rig {
    explicit Rig(const std::function<void(Problem &)> &build, int n = 6)
        : main(QStringLiteral("main"), false), board(&main, QStringLiteral("white"), false)
    {
        setOrder(main, n);
        build(board);
        manager = new VNSManager(&board, &main, nullptr, nullptr, &loader);
        manager->setSeed(1234);
        recorder = new Recorder(manager);
    }
    ~Rig()
    {
        delete manager;
        delete recorder;
    }
    explicit Rig(const QStringList &objectives, int n = 6)
        : Rig([&](Problem &b) { addObjectives(b, QStringLiteral("SIZE"), objectives); }, n)
    {
    }
    void start(int nmin, int nmax, int evalLimit)
    {
        manager->slot_set_p1min(nmin);
        manager->slot_set_p1max(nmax);
        manager->slot_set_max_evals(evalLimit);
        manager->slot_startVNS();
    }
    /// The run's thread ended and is seen to have ended, with all it wrote.
    bool finish() { return manager->wait(kPatienceMs) && !manager->isRunActive(); }
    /// Runs to the end; every graph found, each with the order of its job, all poured.
    QVector<std::shared_ptr<Graph>> search(int nmin, int nmax, int evalLimit)
    {
        start(nmin, nmax, evalLimit);
        QVector<std::shared_ptr<Graph>> found;
        if (!finish())
            return found;
        for (int j = 0; j < manager->nbJobs(); ++j)
            for (const QString &text : manager->jobArchive(j)->graphs()) {
                found << std::make_shared<Graph>(QStringLiteral("found"), false);
                if (!found.last()->loadCurrentGraph(text) ||
                    found.last()->getNbNodes() != manager->jobOrder(j))
                    return {};
            }
        return loader.graphs() == held() ? found : QVector<std::shared_ptr<Graph>>{};
    }
    /// Graphs held by every job archive, in job order.
    QStringList held()
    {
        QStringList all;
        for (int j = 0; j < manager->nbJobs(); ++j)
            all << manager->jobArchive(j)->graphs().toList();
        return all;
    }
    Graph main;
    Problem board;
    DataLoader loader;
    VNSManager *manager;
    Recorder *recorder;
};

} // namespace

class tst_VNSManager : public QObject
{
    Q_OBJECT

private slots:
    /// One job per order (bounded to 0..32) and sign pattern of the free objectives, as
    /// "order:pattern" in job order.
    void jobs_data()
    {
        QTest::addColumn<QStringList>("objectives");
        QTest::addColumn<int>("nmin");
        QTest::addColumn<int>("nmax");
        QTest::addColumn<QString>("jobs");
        QTest::newRow("one minimised") << QStringList{"MINIMIZE"} << 10 << 10 << "10:1";
        QTest::newRow("free then maximised")
            << QStringList{"MAXMIN", "MAXIMIZE"} << 8 << 9 << "8:-1,-1 8:1,-1 9:-1,-1 9:1,-1";
        QTest::newRow("two free") << QStringList{"MAXMIN", "MAXMIN"} << 5 << 5
                                  << "5:-1,-1 5:1,-1 5:-1,1 5:1,1";
        QTest::newRow("orders clamped") << QStringList{"MINIMIZE"} << 31 << 40 << "31:1 32:1";
        QTest::newRow("tiny orders")
            << QStringList{"MAXIMIZE"} << 0 << 4 << "0:-1 1:-1 2:-1 3:-1 4:-1";
        QTest::newRow("no objectives") << QStringList{} << 5 << 6 << "";
        QTest::newRow("empty range") << QStringList{"MINIMIZE"} << 9 << 8 << "";
    }
    void jobs()
    {
        QFETCH(QStringList, objectives);
        QFETCH(int, nmin);
        QFETCH(int, nmax);
        QFETCH(QString, jobs);
        Rig rig(objectives);
        rig.start(nmin, nmax, 30);
        QVERIFY(rig.finish());
        QStringList made;
        for (int j = 0; j < rig.manager->nbJobs(); ++j) {
            QStringList pattern;
            for (double f : rig.manager->jobPattern(j))
                pattern << QString::number(f);
            made << QString("%1:%2").arg(rig.manager->jobOrder(j)).arg(pattern.join(','));
            // Every job searched graphs of its own order.
            QCOMPARE(rig.manager->jobArchive(j)->graph(0).section(' ', 0, 0).toInt(),
                     rig.manager->jobOrder(j));
        }
        QCOMPARE(made.join(' '), jobs);
        QCOMPARE(rig.recorder->get("jobs"), QStringList{QString::number(made.size())});
        QCOMPARE(rig.recorder->starts().size(), made.size());
        QCOMPARE(rig.recorder->get("line").last(),
                 QString::number(rig.loader.size()) + " Graphs added.");
        QCOMPARE(rig.recorder->get("label").last(), QString("0 graphs waiting")); // auto add
    }

    /// The thread count is bounded to 1..4; one worker takes the jobs in order. What a
    /// worker's thread does at a job's end, unlocked, is done before that worker's next job
    /// and the run's end (under the thread sanitizer: the hand-over orders it).
    void threadCountBounded()
    {
        QStringList inOrder;
        for (int j = 1; j <= 20; ++j)
            inOrder << QString("Starting job %1/20").arg(j);
        for (const QPair<int, int> &c : {qMakePair(1, 1), {0, 1}, {-3, 1}, {9, 4}}) {
            Rig rig({"MINIMIZE"});
            int ended[4] = {0, 0, 0, 0};
            for (int t = 0; t < 4; ++t)
                QObject::connect(
                    rig.manager->worker(t), &VNS::signal_job_ended, &rig.recorder->context,
                    [&ended](int t) { ++ended[t]; }, Qt::DirectConnection);
            rig.manager->slot_set_nb_threads(c.first);
            rig.start(5, 24, 40);
            QVERIFY(rig.finish());
            const QStringList starts = rig.recorder->starts();
            QVERIFY(c.second > 1 ? starts.size() == 20 : starts == inOrder);
            int busy = 0;
            for (int t = 0; t < 4; ++t)
                busy += rig.manager->worker(t)->evaluationsDone() > 0;
            QVERIFY(busy >= 1 && busy <= c.second);
            QCOMPARE(ended[0] + ended[1] + ended[2] + ended[3], 20);
        }
    }

    /// Without auto add the graphs wait, then pour at the end; the size's maximum is complete.
    void pourAndLabels()
    {
        Rig rig({"MAXIMIZE"});
        rig.manager->slot_auto_add_graphs(false);
        rig.start(5, 6, 300);
        QVERIFY(rig.finish());
        const QStringList held = rig.held();
        QVERIFY(held.size() >= 2);
        QCOMPARE(rig.loader.graphs(), held);
        QCOMPARE(rig.recorder->get("line").last(), QString("%1 Graphs added.").arg(held.size()));
        QCOMPARE(rig.recorder->get("label"),
                 QStringList({"0 graphs waiting", QString("%1 graphs waiting").arg(held.size())}));
        QCOMPARE(rig.recorder->get("button"), QStringList({"off", "on"}));
        for (const QString &text : held) {
            Graph g(QStringLiteral("check"), false);
            g.loadCurrentGraph(text);
            QCOMPARE(edgesOf(g), g.getNbNodes() * (g.getNbNodes() - 1) / 2);
        }
    }

    void patternCountAndTimeBounded()
    {
        Rig rig(QVector<QString>(11, "MAXMIN").toList());
        rig.manager->slot_startVNS();
        QVERIFY(rig.finish());
        QVERIFY(rig.manager->nbJobs() == 0 && rig.recorder->get("jobs").isEmpty());
        QVERIFY(rig.recorder->get("line").value(0).startsWith("Too many objectives"));
        rig.manager->slot_setMaxTime(3000000);
        QCOMPARE(rig.manager->getMaxTime(), qint64(3000000) * 1000);
    }

    /// A stop (or the manager's end) during a run keeps later jobs from starting and pours.
    void stopDuringRunPoursWhatWasFound()
    {
        for (bool destroy : {false, true}) {
            Rig rig({"MAXIMIZE"}, 8);
            rig.manager->slot_set_nb_threads(2);
            rig.start(8, 30, 0);
            QTRY_VERIFY_WITH_TIMEOUT(!rig.recorder->get("new").isEmpty(), kPatienceMs);
            if (destroy) {
                delete rig.manager;
                rig.manager = nullptr;
                QVERIFY(rig.loader.size() > 0);
                continue;
            }
            rig.manager->slot_startVNS(); // no effect during a run
            rig.manager->slot_stopVNS();
            const int started = rig.recorder->starts().size();
            QVERIFY(rig.finish());
            QVERIFY(started < rig.manager->nbJobs());
            QVERIFY(rig.recorder->starts().size() == started && rig.loader.size() > 0);
            QCOMPARE(rig.recorder->get("jobs").size(), 1);
            QCOMPARE(rig.loader.graphs(), rig.held());
            QCOMPARE(rig.recorder->get("line").last(),
                     QString("%1 Graphs added.").arg(rig.loader.size()));
        }
    }

    void smallestConnectedAreTrees()
    {
        Rig rig(&minSizeConnected);
        QSet<int> orders;
        for (const auto &g : rig.search(6, 8, 20000)) {
            QVERIFY2(connected(*g), qPrintable(g->currentGraphData()));
            QCOMPARE(edgesOf(*g), g->getNbNodes() - 1);
            orders << g->getNbNodes();
        }
        QCOMPARE(orders, QSet<int>({6, 7, 8}));
    }

    void triangleFreeReachesMantelBound()
    {
        Rig rig(&maxSizeTriangleFree);
        QSet<int> orders;
        for (const auto &g : rig.search(6, 10, 300000)) {
            QVERIFY2(triangles(*g) == 0, qPrintable(g->currentGraphData()));
            QCOMPARE(edgesOf(*g), g->getNbNodes() * g->getNbNodes() / 4);
            orders << g->getNbNodes();
        }
        QCOMPARE(orders, QSet<int>({6, 7, 8, 9, 10}));
    }
};

QTEST_MAIN(tst_VNSManager)
#include "tst_VNSManager.moc"
