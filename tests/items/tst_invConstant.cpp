#include "StderrCapture.h"

#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/ConstantDisplay.h"
#include "items/invConstant.h"

#include <QTableWidget>
#include <QtTest>

#include <thread>

namespace
{

ConstantDisplay *dialogOf(invConstant &c)
{
    return static_cast<ConstantDisplay *>(c.getCalculusDisplay());
}

QString cell(invConstant &c, int row, int col)
{
    return dialogOf(c)->valueGrid()->item(row, col)->text();
}

void type(invConstant &c, int row, int col, const QString &text)
{
    dialogOf(c)->valueGrid()->item(row, col)->setText(text);
}

/// A column argument of `rows` entries 100 i + 0.5 (-1: failing), computed on g.
void prepare(InvariantProbe &arg, Graph &g, int rows)
{
    arg.shapeRows = rows;
    arg.failNext = rows < 0;
    arg.setGraph(&g);
    arg.compute(true);
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
    void savedTailAndErrors();
    void loadDataRefusals();
    void computedOnAnotherThread();
};

void tst_invConstant::applyTakesTheGrid()
{
    Graph g("g", false);
    invConstant c(true);
    c.setGraph(&g);
    c.compute(true);
    QCOMPARE(c.rows + c.M[0][0], 1.0);
    // Cells that do not read as numbers are 0.
    const QStringList texts{"2.5", "abc", "1,5", "  7 ", "1e3"};
    for (int j = 0; j < texts.size(); ++j) {
        if (j > 0)
            dialogOf(c)->slot_add_col();
        type(c, 0, j, texts[j]);
    }
    c.compute(true); // the counter has not moved: nothing applied
    QCOMPARE(c.M[0][0], 0.0);
    dialogOf(c)->slot_apply();
    c.compute(true);
    QVector<double> row;
    for (int j = 0; j < c.cols; ++j)
        row << c.M[0][j];
    QCOMPARE(row, (QVector<double>{2.5, 0, 0, 7, 1000}));
}

void tst_invConstant::rowAndColumnBounds()
{
    invConstant c(true);
    ConstantDisplay *d = dialogOf(c);
    for (int i = 0; i < 40; ++i)
        d->slot_add_row(), d->slot_add_col();
    QCOMPARE(QPoint(d->gridRows(), d->gridCols()), QPoint(32, 32));
    QCOMPARE(cell(c, 31, 31), QStringLiteral("0"));
    for (int i = 0; i < 40; ++i)
        d->slot_del_row(), d->slot_del_col();
    QCOMPARE(QPoint(d->gridRows(), d->gridCols()), QPoint(1, 1));
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
    Graph g("g", false);
    InvariantProbe vector;
    prepare(vector, g, qMax(argRows, 0));
    invConstant c(true);
    c.setGraph(&g);
    type(c, 0, 0, "3");
    if (argRows >= 0)
        c.setArg1(&vector);
    dialogOf(c)->slot_clone();
    c.compute(true);
    QVERIFY(!dialogOf(c)->clone()); // the request was consumed
    if (argRows <= 0) {
        QCOMPARE(c.getError(), argRows == 0);
        QCOMPARE(dialogOf(c)->gridRows(), 1);
        QCOMPARE(argRows == 0 ? c.savedTooltip : QString::number(c.M[0][0]),
                 QString(argRows == 0 ? "Argument error" : "3"));
        return;
    }
    QCOMPARE(c.rows, 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(c.M[i][0], 100.0 * i + 0.5);
        QCOMPARE(cell(c, i, 0), QString::number(100.0 * i + 0.5));
    }
    // A snapshot: the argument's later values do not reach it.
    vector.base = 9;
    g.addNode();
    vector.compute(true);
    c.compute(true);
    QCOMPARE(c.M[0][0], 0.5);
}

void tst_invConstant::savedTailAndErrors()
{
    Graph g("g", false);
    InvariantProbe arg;
    prepare(arg, g, 1);
    for (bool graphical : {false, true}) {
        // The saved tail: shape, then the values at six digits.
        invConstant c(graphical), empty(graphical);
        c.setGraph(&g);
        empty.setGraph(&g);
        QVERIFY(c.loadData(2, 3, {1, 2, 3.14159265, 4, 5, 0.5}) && empty.loadData(0, 0, {}));
        c.compute(true);
        empty.compute(true);
        QCOMPARE(c.specificInformationToSave(), QStringLiteral("\t2\t3\t1\t2\t3.14159\t4\t5\t0.5"));
        QCOMPARE(empty.specificInformationToSave(), QStringLiteral("\t0\t0"));
        QVERIFY(!c.getError() && empty.getError());
        // An argument in error keeps the table, which is back once the argument is sound.
        c.setArg1(&arg);
        g.addNode();
        prepare(arg, g, -1);
        c.compute(true);
        QVERIFY(c.getError());
        QCOMPARE(c.specificInformationToSave(), QStringLiteral("\t2\t3\t1\t2\t3.14159\t4\t5\t0.5"));
        g.addNode();
        prepare(arg, g, 1);
        c.compute(true);
        QVERIFY(!c.getError());
        QCOMPARE(c.M[1][2], 0.5);
    }
}

void tst_invConstant::loadDataRefusals()
{
    // rows, cols, number of values: too many, too few, 33 rows, negative.
    for (const QVector<int> &c : {QVector<int>{2, 3, 7}, {2, 3, 5}, {33, 1, 33}, {-1, -1, 1}}) {
        const QVector<double> values(c[2], 1.0);
        invConstant bare(false), shown(true);
        QVERIFY(bare.loadData(1, 1, {4}));
        QVERIFY(!bare.loadData(c[0], c[1], values));
        QCOMPARE(bare.tableRows() + bare.M[0][0], 5.0);
        bool ok = true;
        captureStderr([&] { ok = shown.loadData(c[0], c[1], values); });
        QVERIFY(!ok && dialogOf(shown)->gridRows() >= 0 && dialogOf(shown)->gridRows() <= 32);
    }
}

void tst_invConstant::computedOnAnotherThread()
{
    // A worker publishing into the board recomputes the constant off the GUI thread: it must
    // read the cells as edited, and a clone made there reaches the grid on the GUI thread.
    Graph g("g", false);
    InvariantProbe arg;
    prepare(arg, g, 3);
    invConstant c(true);
    c.setGraph(&g);
    type(c, 0, 0, "6");
    auto inWorker = [&] {
        g.addNode();
        // std::thread, whose join the thread sanitizer sees, unlike QThread::wait.
        std::thread t([&] { c.compute(true); });
        t.join();
    };
    inWorker();
    QCOMPARE(c.M[0][0], 6.0);
    c.setArg1(&arg);
    dialogOf(c)->slot_clone();
    inWorker();
    QCOMPARE(c.M[2][0], 200.5);
    QTRY_COMPARE(dialogOf(c)->valueGrid()->rowCount(), 3);
    QCOMPARE(cell(c, 2, 0), QStringLiteral("200.5"));
}

QTEST_MAIN(tst_invConstant)
#include "tst_invConstant.moc"
