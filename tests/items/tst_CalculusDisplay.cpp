#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/CalculusDisplay.h"

#include <QCheckBox>
#include <QTableWidget>
#include <QtTest>

#include <thread>

static QCheckBox *box(CalculusDisplay &d, const QString &text)
{
    for (QCheckBox *b : d.findChildren<QCheckBox *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

static QVector<QVector<double>> matrix(int rows, int cols, double base)
{
    QVector<QVector<double>> m(32, QVector<double>(32, 0.0));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            m[i][j] = base + 10 * i + j;
    return m;
}

class tst_CalculusDisplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void values();
    void natureBoxes();
    void complementRepublishes();
    void workerPublicationIsQueued();
    void queuedUpdateAfterDeletionIsDropped();
};

void tst_CalculusDisplay::values()
{
    CalculusDisplay d("X", "");
    d.setValues(matrix(1, 1, 1.0 / 3.0), 1, 1);
    QCOMPARE(d.valueGrid()->item(0, 0)->text(), QStringLiteral("0.333333"));
    d.setValues(matrix(1, 1, 1e12), 1, 1);
    QCOMPARE(d.valueGrid()->item(0, 0)->text(), QStringLiteral("1e+12"));
    d.setValues(matrix(5, 5, 1), 5, 5);
    QCOMPARE(d.valueGrid()->item(4, 4)->text(), QStringLiteral("45"));
    d.setValues(matrix(3, 1, 7), 3, 1);
    QCOMPARE(d.valueGrid()->rowCount(), 3);
    QCOMPARE(d.valueGrid()->columnCount(), 1);
    QCOMPARE(d.valueGrid()->item(2, 0)->text(), QStringLiteral("27"));
    QCOMPARE(d.getValue(), 7.0);
    // Oversized requests stay within the 32 x 32 store.
    d.setValues(matrix(32, 32, 0), 40, 40);
    QCOMPARE(d.getNbRows(), 32);
    QCOMPARE(d.getNbCols(), 32);
    d.setValues(matrix(0, 0, 0), 0, 0);
    QCOMPARE(d.valueGrid()->rowCount(), 0);
}

void tst_CalculusDisplay::natureBoxes()
{
    OperatorProbe op(true);
    CalculusDisplay &d = *op.getCalculusDisplay();
    box(d, "Insert in explorer")->click();
    QVERIFY(d.inReport());
    QVERIFY(d.graphInReport());
    box(d, "Vector")->click();
    QVERIFY(d.vecInReport());
    QVERIFY(!d.graphInReport());
    box(d, "Insert in explorer")->click();
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(!box(d, nature)->isEnabled());

}

void tst_CalculusDisplay::complementRepublishes()
{
    Graph g("G", false);
    InvariantProbe item(true);
    item.setGraph(&g);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const int id = g.getID();
    box(*item.getCalculusDisplay(), "Complement")->click();
    QCOMPARE(published.count(), 1);
    QVERIFY(g.getID() != id);
    item.compute(true);
    QVERIFY(item.invertGraphFlag);
}

void tst_CalculusDisplay::workerPublicationIsQueued()
{
    Graph g("G", false);
    g.randomGraph(6);
    OperatorProbe item(true);
    item.setGraph(&g);
    item.shapeRows = 4;
    item.shapeCols = 2;
    std::thread worker([&] { item.bestBackup(); });
    worker.join();
    // Computed in the worker; the dialog hears of it only through the GUI thread's queue.
    QCOMPARE(item.getCalculusDisplay()->getNbRows(), 0);
    QTRY_COMPARE(item.getCalculusDisplay()->getNbRows(), 4);
    QCOMPARE(item.getCalculusDisplay()->valueGrid()->item(3, 1)->text(), QStringLiteral("301.5"));
}

void tst_CalculusDisplay::queuedUpdateAfterDeletionIsDropped()
{
    Graph g("G", false);
    auto *item = new OperatorProbe(true);
    item->setGraph(&g);
    std::thread worker([item] { item->bestBackup(); });
    worker.join();
    delete item; // the queued update now has nobody to update
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CalculusDisplay *>(w));
}

QTEST_MAIN(tst_CalculusDisplay)
#include "tst_CalculusDisplay.moc"
