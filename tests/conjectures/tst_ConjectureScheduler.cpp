#include "conjectures/ConjectureScheduler.h"

#include "Patience.h"
#include "RecordedRuns.h"
#include "conjectures/Conjecture.h"
#include "conjectures/ConjectureEngine.h"
#include "explorer/Analyst.h"

#include <QSignalSpy>
#include <QtTest>
#include <random>

class tst_ConjectureScheduler : public QObject
{
    Q_OBJECT
private slots:
    /// Job j is the j-th job of the list built variable by variable: a fixed weight appended
    /// to every job, a free one doubling the list (-1 on the old jobs, +1 on their copies).
    void jobsMatchListBuiltByVariable()
    {
        std::mt19937 gen(99);
        for (int trial = 0; trial < 200; ++trial) {
            QVector<int> patterns(int(gen() % 9));
            QVector<QVector<double>> list{{}};
            for (int &p : patterns) {
                p = int(gen() % 3) - 1;
                const int m = list.size();
                if (p == 0)
                    list += list;
                for (int i = 0; i < list.size(); ++i)
                    list[i] << (p != 0 ? double(p) : i < m ? -1.0 : 1.0);
            }
            QCOMPARE(1 << ConjectureScheduler::freeVariables(patterns), list.size());
            for (int j = 0; j < list.size(); ++j)
                QCOMPARE(ConjectureScheduler::job(patterns, j), list[j]);
        }
    }

    void endings_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("handOuts");
        QTest::addColumn<int>("kept"); // 1: relations kept, 0: none, -1: not checked
        QTest::newRow("every job runs") << "" << 8 << -1;
        QTest::newRow("cancel: the running jobs end, no other starts") << "cancel" << 2 << -1;
        QTest::newRow("stop after a relation") << "stop" << 2 << 1;
        QTest::newRow("discard after a relation") << "discard" << 2 << 0;
        QTest::newRow("columns changed") << "columns" << 2 << -1;
    }
    /// Eight jobs on two engines: handed out in order, the first two to engines 0 and 1; the
    /// search finishes once, with every engine gone, however it ends.
    void endings()
    {
        QFETCH(QString, ending);
        QFETCH(int, handOuts);
        QFETCH(int, kept);
        std::mt19937 gen(5);
        std::uniform_real_distribution<double> value(-5.0, 5.0);
        QVector<QVector<double>> rows(40, QVector<double>(3));
        QVector<int> graphNos;
        for (QVector<double> &row : rows) {
            for (double &v : row)
                v = value(gen);
            graphNos << graphNos.size() + 1;
        }
        const QStringList names{"a", "b", "c"};
        Analyst table;
        table.setTable(names, rows, graphNos);

        ConjectureScheduler s(&table);
        int live = 0;
        RecordedRuns runs;
        s.setEngineFactory([&live, &runs](int id) {
            auto *e = new RecordingEngine(id, &runs);
            ++live;
            QObject::connect(e, &QObject::destroyed, [&live] { --live; });
            return e;
        });
        s.setEngineSeed(3);
        // Stopped by hand, or at the first tick of the clock below.
        const bool byHand = ending == "stop" || ending == "discard";
        s.setEngineLimit(byHand ? 2 * qint64(kPatienceMs) : 0);
        QSignalSpy relations(&s, &ConjectureScheduler::signal_conjecture);
        QSignalSpy notes(&s, &ConjectureScheduler::signal_note);
        QSignalSpy finished(&s, &ConjectureScheduler::signal_finished);
        const auto ticking = [&s](const std::function<bool()> &done) {
            return QTest::qWaitFor(
                [&] {
                    s.slot_timer();
                    return done();
                },
                kPatienceMs);
        };

        QCOMPARE(s.start(names, {0, 0, 0}, 2), 2);
        QVERIFY(s.isActive() && live == 2);
        if (ending == "cancel")
            s.cancel();
        if (ending == "columns")
            table.setTable({"a", "b"}, {}, {});
        if (byHand) {
            QVERIFY(ticking([&] { return !relations.isEmpty(); }));
            ending == "stop" ? s.stop() : s.discard();
        }
        QVERIFY(ticking([&] { return !finished.isEmpty(); }));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!s.isActive() && live == 0);

        const QVector<QPair<int, int>> given = runs.handOuts({0, 0, 0});
        QCOMPARE(given.size(), handOuts);
        for (int j = 0; j < handOuts; ++j) {
            QCOMPARE(given[j].first, j + 1);
            QVERIFY(j < 2 ? given[j].second == j : given[j].second < 2);
        }
        if (kept >= 0)
            QCOMPARE(s.getConjectures().isEmpty(), kept == 0);
        QCOMPARE(!notes.isEmpty() && notes.first().first().toString().contains("columns changed"),
                 ending == "columns");
    }
};

QTEST_MAIN(tst_ConjectureScheduler)
#include "tst_ConjectureScheduler.moc"
