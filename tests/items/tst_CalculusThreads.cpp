#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

/// A worker thread evaluates items on a graph it edits while the GUI thread reads the values;
/// the value mutex must keep every read whole. Meant to run under -fsanitize=thread too.
class tst_CalculusThreads : public QObject
{
    Q_OBJECT
private slots:
    void readersSeeWholeValues();
    void publicationsFromWorker();
};

void tst_CalculusThreads::readersSeeWholeValues()
{
    Graph g("VNS", false);
    g.randomGraph(24);
    std::vector<std::unique_ptr<Calculus>> items;
    for (const char *k : {"SIZE", "DEGREES", "KCHERRIES", "DEGMAX"}) {
        items.emplace_back(BuildCalculus().makeCalculus(k, false));
        items.back()->setGraph(&g);
        items.back()->compute(true);
    }
    std::atomic<bool> done{false};
    std::thread worker([&] {
        qsrand(99);
        for (int step = 0; step < 3000; ++step) {
            const int i = qrand() % 24, j = qrand() % 24;
            if (qrand() % 2)
                g.addEdge(i, j);
            else
                g.remEdge(i, j);
            for (auto &item : items)
                item->compute(true);
        }
        done = true;
    });
    // Failures are noted, not returned on, so that the worker is always waited for.
    QString fault;
    for (int reads = 0; (!done || reads < 100) && fault.isEmpty(); ++reads) {
        const QVector<double> d = items[1]->getFirstCol();
        double sum = 0, cherries = 0;
        for (double v : d)
            sum += (v >= 0 && v <= 23) ? v : 1e6;
        for (double v : items[2]->getFirstCol())
            cherries += v;
        const double m = items[0]->getValue(1);
        if (d.size() != 24 || sum > 24 * 23 || int(sum) % 2 != 0)
            fault = "a degree column read half written";
        else if (cherries > 24)
            fault = "more pending vertices than vertices";
        else if (m < 0 || m > 276 || items[0]->getError())
            fault = "size out of range";
    }
    worker.join();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    int edges = 0; // after the worker, the values are those of the final graph
    for (int i = 0; i < 24; ++i)
        for (int j = i + 1; j < 24; ++j)
            edges += g.edge(i, j);
    QCOMPARE(items[0]->getValue(1), double(edges));
}

void tst_CalculusThreads::publicationsFromWorker()
{
    Graph g("graph", false);
    g.randomGraph(16);
    std::unique_ptr<Calculus> order(BuildCalculus().makeCalculus("ORDER", true));
    std::unique_ptr<Calculus> degrees(BuildCalculus().makeCalculus("DEGREES", true));
    order->setGraph(&g);
    degrees->setGraph(&g);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int step = 0; step < 500; ++step) {
            g.addEdge(step % 16, (step * 7 + 3) % 16);
            order->bestBackup();
            degrees->bestBackup();
        }
        done = true;
    });
    QImage canvas(200, 200, QImage::Format_ARGB32);
    QStyleOptionGraphicsItem option;
    while (!done) { // painting reads what was published to the dialogs, in the GUI thread
        QPainter p(&canvas);
        order->paint(&p, &option, nullptr);
        degrees->paint(&p, &option, nullptr);
        p.end();
        QCoreApplication::processEvents();
    }
    worker.join();
    QTRY_COMPARE(degrees->getCalculusDisplay()->getNbRows(), 16);
    QCoreApplication::processEvents();
    QVector<double> firstColumn;
    for (int i = 0; i < 16; ++i)
        firstColumn.append(degrees->getCalculusDisplay()->getM()[i][0]);
    QCOMPARE(firstColumn, degrees->getFirstCol());
    QCOMPARE(order->getCalculusDisplay()->getValue(), 16.0);
}

QTEST_MAIN(tst_CalculusThreads)
#include "tst_CalculusThreads.moc"
