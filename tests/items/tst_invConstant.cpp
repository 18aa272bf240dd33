#include "StderrCapture.h"

#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/ConstantDisplay.h"
#include "items/invConstant.h"

#include <QTableWidget>
#include <QThread>
#include <QtTest>

namespace
{

ConstantDisplay *dialogOf(invConstant &c)
{
    return static_cast<ConstantDisplay *>(c.getCalculusDisplay());
}

void type(ConstantDisplay *d, int row, int col, const QString &text)
{
    d->valueGrid()->item(row, col)->setText(text);
}

} // namespace

class tst_invConstant : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void applyTakesTheGrid();
    void rowAndColumnBounds();
    void clone_data();
    void clone();
    void savedTail_data();
    void savedTail();
    void errorKeepsTable();
    void loadDataRefusals_data();
    void loadDataRefusals();
    void computedOnAnotherThread();
};

void tst_invConstant::applyTakesTheGrid()
{
    Graph g(QStringLiteral("g"), false);
    invConstant c(true);
    c.setGraph(&g);
    c.compute(true);
    QCOMPARE(c.rows, 1);
    QCOMPARE(c.M[0][0], 0.0);
    // Cells that do not read as numbers are 0.
    const QStringList texts{"2.5", "abc", "1,5", "  7 ", "1e3"};
    const QVector<double> values{2.5, 0, 0, 7, 1000};
    for (int j = 1; j < texts.size(); ++j)
        dialogOf(c)->slot_add_col();
    for (int j = 0; j < texts.size(); ++j)
        type(dialogOf(c), 0, j, texts[j]);
    c.compute(true); // the counter has not moved: nothing applied
    QCOMPARE(c.M[0][0], 0.0);
    dialogOf(c)->slot_apply();
    c.compute(true);
    QCOMPARE(c.cols, texts.size());
    for (int j = 0; j < texts.size(); ++j)
        QCOMPARE(c.M[0][j], values[j]);
}

void tst_invConstant::rowAndColumnBounds()
{
    invConstant c(true);
    ConstantDisplay *d = dialogOf(c);
    for (int i = 0; i < 40; ++i) {
        d->slot_add_row();
        d->slot_add_col();
    }
    QCOMPARE(d->gridRows(), 32);
    QCOMPARE(d->gridCols(), 32);
    QCOMPARE(d->valueGrid()->item(31, 31)->text(), QStringLiteral("0"));
    for (int i = 0; i < 40; ++i) {
        d->slot_del_row();
        d->slot_del_col();
    }
    QCOMPARE(d->gridRows(), 1);
    QCOMPARE(d->gridCols(), 1);
}

void tst_invConstant::clone_data()
{
    QTest::addColumn<int>("argRows"); // -1: no argument
    QTest::newRow("vector of 5") << 5;
    QTest::newRow("no argument") << -1;
    QTest::newRow("empty argument") << 0;
}

void tst_invConstant::clone()
{
    QFETCH(int, argRows);
    Graph g(QStringLiteral("g"), false);
    InvariantProbe vector;
    vector.shapeRows = argRows;
    vector.setGraph(&g);
    vector.compute(true);
    invConstant c(true);
    c.setGraph(&g);
    type(dialogOf(c), 0, 0, QStringLiteral("3"));
    if (argRows >= 0)
        c.setArg1(&vector);
    dialogOf(c)->slot_clone();
    c.compute(true);
    QVERIFY(!dialogOf(c)->clone()); // the request was consumed
    if (argRows < 0) {
        QCOMPARE(c.M[0][0], 3.0);
        return;
    }
    if (argRows == 0) {
        QVERIFY(c.getError());
        QCOMPARE(c.savedTooltip, QStringLiteral("Argument error"));
        QCOMPARE(dialogOf(c)->gridRows(), 1);
        return;
    }
    QCOMPARE(c.rows, 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(c.M[i][0], 100.0 * i + 0.5);
        QCOMPARE(dialogOf(c)->valueGrid()->item(i, 0)->text(), QString::number(100.0 * i + 0.5));
    }
    // A snapshot: the argument's later values do not reach it.
    vector.base = 9;
    g.addNode();
    vector.compute(true);
    c.compute(true);
    QCOMPARE(c.M[0][0], 0.5);
}

void tst_invConstant::savedTail_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("tail");
    QTest::newRow("six digits") << 1 << 1 << QVector<double>{3.14159265} << "\t1\t1\t3.14159";
    QTest::newRow("2 x 3") << 2 << 3 << QVector<double>{1, 2, 3, 4, 5, 0.5}
                           << "\t2\t3\t1\t2\t3\t4\t5\t0.5";
    QTest::newRow("0 x 0") << 0 << 0 << QVector<double>{} << "\t0\t0";
}

void tst_invConstant::savedTail()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, values);
    QFETCH(QString, tail);
    Graph g(QStringLiteral("g"), false);
    for (bool graphical : {false, true}) {
        invConstant c(graphical);
        c.setGraph(&g);
        QVERIFY(c.loadData(rows, cols, values));
        c.compute(true);
        QCOMPARE(c.specificInformationToSave(), tail);
        QCOMPARE(c.getError(), rows == 0);
    }
}

void tst_invConstant::errorKeepsTable()
{
    Graph g(QStringLiteral("g"), false);
    InvariantProbe arg;
    arg.setGraph(&g);
    for (bool graphical : {false, true}) {
        invConstant c(graphical);
        c.setGraph(&g);
        QVERIFY(c.loadData(1, 2, {7, 8}));
        c.compute(true);
        c.setArg1(&arg);
        arg.failNext = true;
        g.addNode();
        arg.compute(true);
        c.compute(true);
        QVERIFY(c.getError());
        QCOMPARE(c.specificInformationToSave(), QStringLiteral("\t1\t2\t7\t8"));
        // Once the argument is sound again the table is back.
        arg.failNext = false;
        g.addNode();
        arg.compute(true);
        c.compute(true);
        QVERIFY(!c.getError());
        QCOMPARE(c.M[0][1], 8.0);
    }
}

void tst_invConstant::loadDataRefusals_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("count");
    QTest::newRow("7 values for 2 x 3") << 2 << 3 << 7;
    QTest::newRow("5 values for 2 x 3") << 2 << 3 << 5;
    QTest::newRow("33 rows") << 33 << 1 << 33;
    QTest::newRow("negative") << -1 << -1 << 1;
}

void tst_invConstant::loadDataRefusals()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, count);
    const QVector<double> values(count, 1.0);
    invConstant bare(false);
    QVERIFY(bare.loadData(1, 1, {4}));
    QVERIFY(!bare.loadData(rows, cols, values));
    QCOMPARE(bare.tableRows(), 1);
    QCOMPARE(bare.M[0][0], 4.0);

    invConstant shown(true);
    bool ok = true;
    captureStderr([&] { ok = shown.loadData(rows, cols, values); });
    QVERIFY(!ok);
    QVERIFY(dialogOf(shown)->gridRows() >= 0 && dialogOf(shown)->gridRows() <= 32);
}

void tst_invConstant::computedOnAnotherThread()
{
    // A worker publishing into the board recomputes the constant off the GUI thread: it must
    // read the cells as edited, and a clone made there reaches the grid on the GUI thread.
    Graph g(QStringLiteral("g"), false);
    InvariantProbe arg;
    arg.shapeRows = 3;
    arg.setGraph(&g);
    arg.compute(true);
    invConstant c(true);
    c.setGraph(&g);
    type(dialogOf(c), 0, 0, QStringLiteral("6"));
    g.addNode();
    auto inWorker = [&] {
        QThread *t = QThread::create([&] { c.compute(true); });
        t->start();
        t->wait();
        delete t;
    };
    inWorker();
    QCOMPARE(c.M[0][0], 6.0);
    c.setArg1(&arg);
    dialogOf(c)->slot_clone();
    g.addNode();
    arg.compute(true);
    inWorker();
    QCOMPARE(c.M[2][0], 200.5);
    QTRY_COMPARE(dialogOf(c)->valueGrid()->rowCount(), 3);
    QCOMPARE(dialogOf(c)->valueGrid()->item(2, 0)->text(), QStringLiteral("200.5"));
}

QTEST_MAIN(tst_invConstant)
#include "tst_invConstant.moc"
