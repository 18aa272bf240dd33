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
    void fresh();
    void applyTakesTheGrid();
    void cellTexts_data();
    void cellTexts();
    void rowAndColumnBounds();
    void cloneArgument();
    void cloneWithoutArgument();
    void cloneEmptyArgument();
    void savedTail_data();
    void savedTail();
    void errorKeepsTable();
    void loadDataRefusals_data();
    void loadDataRefusals();
    void copyWithoutRows();
    void computedOnAnotherThread();
};

void tst_invConstant::fresh()
{
    Graph g(QStringLiteral("g"), false);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(QStringLiteral("CONSTANT")), 3);
    std::unique_ptr<Calculus> item(catalogue.makeConstant(true));
    auto &c = static_cast<invConstant &>(*item);
    c.setGraph(&g);
    c.bestBackup();
    QCOMPARE(c.rows, 1);
    QCOMPARE(c.cols, 1);
    QCOMPARE(c.M[0][0], 0.0);
    QVERIFY(!c.getError());
    QCOMPARE(c.formula(), QStringLiteral("CONSTANT"));
    QCOMPARE(dialogOf(c)->valueGrid()->item(0, 0)->text(), QStringLiteral("0"));
    QCOMPARE(dialogOf(c)->windowTitle(), QStringLiteral("Constant definition"));
    QVERIFY(!c.setArg2(&c) && !c.setLink3(nullptr));
}

void tst_invConstant::applyTakesTheGrid()
{
    Graph g(QStringLiteral("g"), false);
    invConstant c(true);
    c.setGraph(&g);
    c.compute(true);
    type(dialogOf(c), 0, 0, QStringLiteral("2.5"));
    c.compute(true); // the counter has not moved: nothing applied
    QCOMPARE(c.M[0][0], 0.0);
    dialogOf(c)->slot_apply();
    c.compute(true);
    QCOMPARE(c.M[0][0], 2.5);
    QCOMPARE(c.getSRows(), QStringLiteral("1"));
    QCOMPARE(c.getSCols(), QStringLiteral("1"));
}

void tst_invConstant::cellTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("comma") << "1,5" << 0.0;
    QTest::newRow("blanks") << "  7 " << 7.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative") << "-0.25" << -0.25;
}

void tst_invConstant::cellTexts()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    Graph g(QStringLiteral("g"), false);
    invConstant c(true);
    c.setGraph(&g);
    dialogOf(c)->slot_add_col();
    type(dialogOf(c), 0, 1, text);
    type(dialogOf(c), 0, 0, QStringLiteral("4"));
    dialogOf(c)->slot_apply();
    c.compute(true);
    QCOMPARE(c.cols, 2);
    QCOMPARE(c.M[0][0], 4.0);
    QCOMPARE(c.M[0][1], value);
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
    QCOMPARE(d->valueGrid()->rowCount(), 32);
    QCOMPARE(d->valueGrid()->item(31, 31)->text(), QStringLiteral("0"));
    for (int i = 0; i < 40; ++i) {
        d->slot_del_row();
        d->slot_del_col();
    }
    QCOMPARE(d->gridRows(), 1);
    QCOMPARE(d->gridCols(), 1);
    QCOMPARE(d->valueGrid()->columnCount(), 1);
}

void tst_invConstant::cloneArgument()
{
    Graph g(QStringLiteral("g"), false);
    InvariantProbe vector;
    vector.shapeRows = 5;
    vector.setGraph(&g);
    invConstant c(true);
    c.setGraph(&g);
    c.setLink1(nullptr);
    c.setArg1(&vector);
    vector.compute(true);
    dialogOf(c)->slot_clone();
    c.compute(true);
    QCOMPARE(c.rows, 5);
    QCOMPARE(c.cols, 1);
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

void tst_invConstant::cloneWithoutArgument()
{
    Graph g(QStringLiteral("g"), false);
    invConstant c(true);
    c.setGraph(&g);
    type(dialogOf(c), 0, 0, QStringLiteral("3"));
    dialogOf(c)->slot_clone();
    c.compute(true);
    QCOMPARE(c.M[0][0], 3.0);
    QVERIFY(!dialogOf(c)->clone()); // the request was consumed
}

void tst_invConstant::cloneEmptyArgument()
{
    Graph g(QStringLiteral("g"), false);
    InvariantProbe empty;
    empty.shapeRows = 0;
    empty.setGraph(&g);
    empty.compute(true);
    invConstant c(true);
    c.setGraph(&g);
    c.setArg1(&empty);
    dialogOf(c)->slot_clone();
    c.compute(true);
    QVERIFY(c.getError());
    QCOMPARE(c.rows, 0);
    QCOMPARE(c.savedTooltip, QStringLiteral("Argument error"));
    QCOMPARE(dialogOf(c)->gridRows(), 1);
}

void tst_invConstant::savedTail_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("tail");
    QTest::newRow("2 x 2") << 2 << 2 << QVector<double>{1, 2, 3, 0.5} << "\t2\t2\t1\t2\t3\t0.5";
    QTest::newRow("six digits") << 1 << 1 << QVector<double>{3.14159265} << "\t1\t1\t3.14159";
    QTest::newRow("2 x 3") << 2 << 3 << QVector<double>{1, 2, 3, 4, 5, 6}
                           << "\t2\t3\t1\t2\t3\t4\t5\t6";
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
        QCOMPARE(c.rows, 0);
        QCOMPARE(c.specificInformationToSave(), QStringLiteral("\t1\t2\t7\t8"));
        // Once the argument is sound again the table is back.
        arg.failNext = false;
        g.addNode();
        arg.compute(true);
        c.compute(true);
        QVERIFY(!c.getError());
        QCOMPARE(c.rows, 1);
        QCOMPARE(c.cols, 2);
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
    const QByteArray err = captureStderr([&] { ok = shown.loadData(rows, cols, values); });
    QVERIFY(!ok);
    QCOMPARE(err, "ERR r=" + QByteArray::number(rows) + " c=" + QByteArray::number(cols) +
                      " v.size()" + QByteArray::number(count) + "\n");
    // The grid stays usable and reads as numbers.
    ConstantDisplay *d = dialogOf(shown);
    QVERIFY(d->gridRows() >= 0 && d->gridRows() <= 32);
    const auto &m = d->getM();
    for (int i = 0; i < d->gridRows(); ++i)
        for (int j = 0; j < d->gridCols(); ++j)
            QCOMPARE(m[i][j], 0.0);
}

void tst_invConstant::copyWithoutRows()
{
    Graph g(QStringLiteral("g"), false);
    for (bool graphical : {false, true}) {
        invConstant c(graphical);
        c.setGraph(&g);
        QVERIFY(c.loadData(0, 4, {}));
        g.addNode();
        c.compute(true);
        QVERIFY(c.getError());
        QCOMPARE(c.rows, 0);
        QCOMPARE(c.cols, 4);
    }
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
    QThread *t = QThread::create([&] { c.compute(true); });
    t->start();
    t->wait();
    delete t;
    QCOMPARE(c.M[0][0], 6.0);

    c.setArg1(&arg);
    dialogOf(c)->slot_clone();
    g.addNode();
    arg.compute(true);
    t = QThread::create([&] { c.compute(true); });
    t->start();
    t->wait();
    delete t;
    QCOMPARE(c.rows, 3);
    QCOMPARE(c.M[2][0], 200.5);
    QTRY_COMPARE(dialogOf(c)->valueGrid()->rowCount(), 3);
    QCOMPARE(dialogOf(c)->valueGrid()->item(2, 0)->text(), QStringLiteral("200.5"));
}

QTEST_MAIN(tst_invConstant)
#include "tst_invConstant.moc"
