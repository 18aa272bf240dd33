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
    void boxes();
    void workerPublicationIsQueued();
    void queuedUpdateAfterDeletionIsDropped();
};

void tst_CalculusDisplay::values()
{
    CalculusDisplay d("X", "");
    // rows, cols, first entry; the grid's last cell at six digits.
    const struct {
        int rows, cols;
        double base;
        const char *last;
    } cases[] = {
        {1, 1, 1.0 / 3.0, "0.333333"}, {1, 1, 1e12, "1e+12"}, {5, 5, 1, "45"}, {3, 1, 7, "27"}};
    for (const auto &c : cases) {
        d.setValues(matrix(c.rows, c.cols, c.base), c.rows, c.cols);
        QCOMPARE(QPoint(d.valueGrid()->rowCount(), d.valueGrid()->columnCount()),
                 QPoint(c.rows, c.cols));
        QCOMPARE(d.valueGrid()->item(c.rows - 1, c.cols - 1)->text(), QString(c.last));
        QCOMPARE(d.getValue(), c.base);
    }
    // Oversized requests stay within the 32 x 32 store.
    d.setValues(matrix(32, 32, 0), 40, 40);
    QCOMPARE(QPoint(d.getNbRows(), d.getNbCols()), QPoint(32, 32));
    d.setValues(matrix(0, 0, 0), 0, 0);
    QCOMPARE(d.valueGrid()->rowCount(), 0);
}

void tst_CalculusDisplay::boxes()
{
    Graph g("G", false);
    InvariantProbe item(true);
    item.setGraph(&g);
    CalculusDisplay &d = *item.getCalculusDisplay();
    box(d, "Insert in explorer")->click();
    QVERIFY(d.inReport() && d.graphInReport());
    box(d, "Vector")->click();
    QVERIFY(d.vecInReport() && !d.graphInReport());
    box(d, "Insert in explorer")->click();
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(!box(d, nature)->isEnabled());
    // The complement box republishes the graph and reaches the item's next computation.
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const int id = g.getID();
    box(d, "Complement")->click();
    QVERIFY(published.count() == 1 && g.getID() != id);
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
    std::thread([&] { item.bestBackup(); }).join();
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
    std::thread([item] { item->bestBackup(); }).join();
    delete item; // the queued update now has nobody to update
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CalculusDisplay *>(w));
}

QTEST_MAIN(tst_CalculusDisplay)
#include "tst_CalculusDisplay.moc"
