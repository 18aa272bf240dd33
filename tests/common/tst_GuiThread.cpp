#include "common/GuiThread.h"

#include <QThread>
#include <QVector>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

class tst_GuiThread : public QObject
{
    Q_OBJECT
private slots:
    void handOver_data();
    void handOver();
    void pendingCallsMerge();
    void deliveredWhilePosting();
};

void tst_GuiThread::handOver_data()
{
    QTest::addColumn<bool>("fromWorker");
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<bool>("contextDies");
    QTest::addColumn<bool>("runsNow");
    QTest::addColumn<bool>("runsOnGui"); // eventually, on the GUI thread
    QTest::newRow("GUI thread") << false << true << false << true << true;
    QTest::newRow("GUI thread, no context") << false << false << false << true << true;
    QTest::newRow("worker") << true << true << false << false << true;
    QTest::newRow("worker, no context") << true << false << false << true << false;
    QTest::newRow("worker, context gone") << true << true << true << false << false;
}

void tst_GuiThread::handOver()
{
    QFETCH(bool, fromWorker);
    QFETCH(bool, withContext);
    QFETCH(bool, contextDies);
    QFETCH(bool, runsNow);
    QFETCH(bool, runsOnGui);
    auto context = std::make_unique<QObject>();
    std::atomic<int> calls{0};
    std::atomic<bool> onGui{false};
    bool now = false;
    auto call = [&] {
        GuiThread::run(withContext ? context.get() : nullptr, [&] {
            onGui = QThread::currentThread() == qApp->thread();
            ++calls;
        });
        now = calls.load() == 1;
    };
    QVERIFY(GuiThread::isCurrent());
    bool workerIsGui = true;
    if (fromWorker) {
        std::thread worker([&] {
            workerIsGui = GuiThread::isCurrent();
            call();
        });
        worker.join();
        QVERIFY(!workerIsGui);
    } else {
        call();
    }
    QCOMPARE(now, runsNow);
    if (contextDies)
        context.reset();
    // Whatever was queued is delivered by now.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calls.load(), contextDies ? 0 : 1);
    QCOMPARE(onGui.load(), runsOnGui);
}

void tst_GuiThread::pendingCallsMerge()
{
    QObject context;
    std::atomic<bool> pending{false};
    int calls = 0;
    int queued = 0;
    std::thread worker([&] {
        for (int k = 0; k < 5; ++k)
            queued += GuiThread::queued(&context, [&] { ++calls; }, &pending);
    });
    worker.join();
    // Every call is taken off the caller's hands, one of them runs.
    QCOMPARE(queued, 5);
    QTRY_COMPARE(calls, 1);
    QVERIFY(!pending.load());
    // Once the queued call ran, the next one is queued again.
    std::thread again([&] { GuiThread::run(&context, [&] { ++calls; }, &pending); });
    again.join();
    QTRY_COMPARE(calls, 2);
    // On the GUI thread the flag plays no part.
    pending = true;
    GuiThread::run(&context, [&] { ++calls; }, &pending);
    QCOMPARE(calls, 3);
}

void tst_GuiThread::deliveredWhilePosting()
{
    // The GUI thread runs and frees functions while the worker still posts more; the data each
    // one holds must arrive whole. Meant to run under -fsanitize=thread too.
    QObject context;
    const int posts = 2000;
    long long received = 0;
    int deliveries = 0;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int k = 0; k < posts; ++k) {
            QVector<int> values(32);
            for (int i = 0; i < 32; ++i)
                values[i] = k + i;
            GuiThread::run(&context, [values = std::move(values), &received, &deliveries] {
                for (int v : values)
                    received += v;
                ++deliveries;
            });
        }
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents();
    worker.join();
    QTRY_COMPARE(deliveries, posts);
    // Sum over k of (32 k + 0 + 1 + ... + 31).
    QCOMPARE(received, 32LL * posts * (posts - 1) / 2 + 496LL * posts);
}

QTEST_MAIN(tst_GuiThread)
#include "tst_GuiThread.moc"
