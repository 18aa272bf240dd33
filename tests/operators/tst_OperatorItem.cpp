#include "items/BuildCalculus.h"
#include "items/CalculusDisplay.h"
#include "operators/OperatorItem.h"

#include "ValueSource.h"

#include <QCheckBox>
#include <QThread>
#include <QtTest>
#include <limits>
#include <memory>

namespace
{

std::unique_ptr<Calculus> build(const QString &keyword, bool graphical = false)
{
    static const BuildCalculus catalogue;
    return std::unique_ptr<Calculus>(catalogue.makeCalculus(keyword, graphical));
}

bool setArg(Calculus *item, int k, Calculus *arg)
{
    switch (k) {
    case 1:
        return item->setArg1(arg);
    case 2:
        return item->setArg2(arg);
    case 3:
        return item->setArg3(arg);
    default:
        return item->setArg4(arg);
    }
}

bool setLink(Calculus *item, int k)
{
    switch (k) {
    case 1:
        return item->setLink1(nullptr);
    case 2:
        return item->setLink2(nullptr);
    case 3:
        return item->setLink3(nullptr);
    default:
        return item->setLink4(nullptr);
    }
}

Calculus *argOf(Calculus *item, int k)
{
    Calculus *const args[4] = {item->arg1, item->arg2, item->arg3, item->arg4};
    return args[k - 1];
}

} // namespace

class tst_OperatorItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void everyOperator_data();
    void arityIsEnforced();
    void unlinkedArgument();
    void formulaTexts_data();
    void formulaTexts();
    void nestedMissingArgument();
    void displayFlag();
    void failureHidesOldEntries();
    void argumentInError();
    void tooltipFromWorkerThread();
    void nonFiniteArgumentsEnd();

    void arityIsEnforced_data() { everyOperator_data(); }
    void unlinkedArgument_data() { everyOperator_data(); }
};

void tst_OperatorItem::everyOperator_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("arity");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("symbolRows");
    QTest::addColumn<QString>("symbolCols");
    const QString many = "Missing arguments";
    for (const char *k : {"SUM", "SUMCOL", "SUMROW", "MAX", "MIN", "MAXCOL", "MAXROW", "NBVALUES",
                          "VAR", "EIGENVALUES", "EIGENVECTORS", "DETERMINANT", "INERTIA",
                          "CHOLESKY", "LAPLACIANOF", "NORMALIZEMAT"})
        QTest::newRow(k) << QString(k) << 1 << many << "NA"
                         << "NA";
    QTest::newRow("SUMGE") << "SUMGE" << 2 << many << "NA"
                           << "NA";
    QTest::newRow("NBEQ") << "NBEQ" << 3 << many << "NA"
                          << "NA";
    QTest::newRow("DPALINDROMIC") << "DPALINDROMIC" << 1 << "Missing argument"
                                  << "1"
                                  << "1";
    for (const char *k : {"ANGLE", "CORR"})
        QTest::newRow(k) << QString(k) << 2 << many << "1"
                         << "1";
    for (const char *k : {"EUCLIDIANDIST", "MANHATTANDIST", "SUMPRODUCT"})
        QTest::newRow(k) << QString(k) << 2 << many << "NA"
                         << "NA";
    QTest::newRow("ECORR") << "ECORR" << 1 << many << "1"
                           << "1";
    QTest::newRow("MOMENT") << "MOMENT" << 1 << QString() << "n"
                            << "1";
    for (const char *k : {"SQRT", "ABS", "EXP", "CEIL", "FLOOR", "FIRST", "SECOND", "LAST",
                          "CENTER", "TRANSPOSE", "DIAG", "SORT"})
        QTest::newRow(k) << QString(k) << 1 << many << "NA"
                         << "NA";
    for (const char *k : {"+", "-", ".*", "/", "*", "MMAX", "MMIN", "ADDCOLS", "COLUMN", "ROW"})
        QTest::newRow(k) << QString(k) << 2 << many << "NA"
                         << "NA";
    QTest::newRow("VALUE AT") << "VALUE AT" << 3 << many << "NA"
                              << "NA";
    QTest::newRow("IFGE") << "IFGE" << 4 << many << "NA"
                          << "NA";
}

void tst_OperatorItem::arityIsEnforced()
{
    QFETCH(QString, keyword);
    QFETCH(int, arity);
    ValueSource source;
    auto item = build(keyword);
    QVERIFY(item);
    QCOMPARE(item->name, keyword);
    QCOMPARE(item->getType(), QString("Operator"));
    QVERIFY(item->textDocumentation().startsWith(keyword + " : "));
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(setLink(item.get(), k), k <= arity);
        QCOMPARE(setArg(item.get(), k, &source), k <= arity);
        QCOMPARE(argOf(item.get(), k), k <= arity ? &source : nullptr);
    }
}

void tst_OperatorItem::unlinkedArgument()
{
    QFETCH(QString, keyword);
    QFETCH(QString, missing);
    QFETCH(QString, symbolRows);
    QFETCH(QString, symbolCols);
    auto item = build(keyword);
    TestBoard board(3, {{0, 1}, {1, 2}});
    board.evaluate({item.get()});
    if (missing.isEmpty()) {
        // Without argument the weights are the degrees: path 0-1-2 gives 4, 2, 4.
        QCOMPARE(item->formula(), QString("MOMENT(G)"));
        QVERIFY(!item->getError());
        QCOMPARE(item->rows, 3);
        QCOMPARE(item->cols, 1);
        QCOMPARE(item->M[0][0], 4.0);
        QCOMPARE(item->M[1][0], 2.0);
        QCOMPARE(item->M[2][0], 4.0);
        QCOMPARE(item->savedTooltip, QString());
        return;
    }
    QCOMPARE(item->formula(), QString("MISSING ARGUMENT"));
    QVERIFY(item->getError());
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->cols, 0);
    QCOMPARE(item->savedTooltip, missing);
    QCOMPARE(item->getSRows(), symbolRows);
    QCOMPARE(item->getSCols(), symbolCols);
    // Only NORMALIZEMAT shows this message at once; a non-graphical item has no other tip.
    QCOMPARE(item->toolTip(), keyword == "NORMALIZEMAT" ? missing : QString());
}

void tst_OperatorItem::formulaTexts_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QVector<int>>("linked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one argument") << "SUM" << QVector<int>{1} << "SUM(A(G))";
    QTest::newRow("two arguments") << "ANGLE" << QVector<int>{1, 2} << "ANGLE(A(G),B(G))";
    QTest::newRow("second missing") << "SUMPRODUCT" << QVector<int>{1} << "MISSING ARGUMENT";
    QTest::newRow("first missing") << "CORR" << QVector<int>{2} << "MISSING ARGUMENT";
    QTest::newRow("optional absent") << "SUMGE" << QVector<int>{1} << "SUMGE(A(G))";
    QTest::newRow("optional present") << "SUMGE" << QVector<int>{1, 2} << "SUMGE(A(G),B(G))";
    QTest::newRow("optional without first") << "SUMGE" << QVector<int>{2} << "MISSING ARGUMENT";
    QTest::newRow("NBEQ 1 and 3") << "NBEQ" << QVector<int>{1, 3} << "NBEQ(A(G),C(G))";
    QTest::newRow("NBEQ all") << "NBEQ" << QVector<int>{1, 2, 3} << "NBEQ(A(G),B(G),C(G))";
    QTest::newRow("MOMENT weighted") << "MOMENT" << QVector<int>{1} << "MOMENT(A(G))";
    QTest::newRow("eigenvalues") << "EIGENVALUES" << QVector<int>{1} << "EIGENVALUES(A(G))";
}

void tst_OperatorItem::formulaTexts()
{
    QFETCH(QString, keyword);
    QFETCH(QVector<int>, linked);
    QFETCH(QString, expected);
    ValueSource a("A"), b("B"), c("C");
    ValueSource *sources[3] = {&a, &b, &c};
    auto item = build(keyword);
    for (int k : linked)
        QVERIFY(setArg(item.get(), k, sources[k - 1]));
    QCOMPARE(item->formula(), expected);
}

void tst_OperatorItem::nestedMissingArgument()
{
    auto inner = build("SUM");
    auto outer = build("MAX");
    outer->setArg1(inner.get());
    QCOMPARE(outer->formula(), QString("MAX(MISSING ARGUMENT)"));
    auto moment = build("MOMENT");
    moment->setInvertGraph(true);
    QCOMPARE(moment->formula(), QString("MOMENT(GBAR)"));
}

void tst_OperatorItem::displayFlag()
{
    auto shown = build("VAR", true);
    QVERIFY(shown->getCalculusDisplay());
    QCOMPARE(shown->toolTip(), QString("VAR"));
    QCOMPARE(shown->getCalculusDisplay()->getName(), QString("VAR"));
    QVERIFY(shown->pos().x() >= 0 && shown->pos().x() < 200);
    QVERIFY(shown->pos().y() >= 0 && shown->pos().y() < 200);
    QCOMPARE(shown->pos(), QPointF(shown->x, shown->y));

    auto hidden = build("VAR", false);
    QVERIFY(!hidden->getCalculusDisplay());
    ValueSource source;
    source.setValue(1, 2, {1, 3});
    hidden->setArg1(&source);
    TestBoard board(1);
    board.evaluate({&source, hidden.get()});
    hidden->bestBackup();
    QCOMPARE(hidden->M[0][0], 1.0);
    QCOMPARE(hidden->savedTooltip, QString("VAR"));
    QCOMPARE(hidden->toolTip(), QString()); // no dialog: the backup shows nothing

    // Only MOMENT offers the complement.
    for (const char *keyword : {"MOMENT", "ECORR", "SUM"}) {
        auto item = build(keyword, true);
        bool enabled = false;
        for (QCheckBox *box : item->getCalculusDisplay()->findChildren<QCheckBox *>())
            if (box->text() == "Complement")
                enabled = box->isEnabled();
        QCOMPARE(enabled, QString(keyword) == "MOMENT");
    }
}

void tst_OperatorItem::failureHidesOldEntries()
{
    ValueSource source;
    source.setValue(2, 2, {1, 2, 3, 4}, "n", "n");
    auto item = build("SUM");
    item->setArg1(&source);
    TestBoard board(1);
    board.evaluate({&source, item.get()});
    QCOMPARE(item->M[0][0], 10.0);
    QCOMPARE(item->rows, 1);
    QCOMPARE(item->getSRows(), QString("1"));
    source.setValue(0, 0, {});
    board.evaluate({&source, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->savedTooltip, QString("Argument error"));
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->cols, 0);
    QCOMPARE(item->getSRows(), QString("NA"));
    QCOMPARE(item->M[0][0], 10.0);
    QCOMPARE(item->getValue(1), 10.0); // still stored, but the value is 0 x 0
}

void tst_OperatorItem::argumentInError()
{
    ValueSource a, b;
    a.setValue(1, 2, {1, 2});
    b.setValue(1, 2, {2, 4});
    auto item = build("CORR");
    item->setArg1(&a);
    item->setArg2(&b);
    TestBoard board(1);
    board.evaluate({&a, &b, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->M[0][0], 1.0);
    b.failing = true;
    board.evaluate({&a, &b, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->savedTooltip, QString("CORR"));
}

// A tool tip set by a computation in another thread reaches the item only through the GUI
// thread's event loop, and is dropped when the item is gone by then.
void tst_OperatorItem::tooltipFromWorkerThread()
{
    ValueSource source;
    source.setValue(2, 2, {1, 0, 0, 1});
    auto item = build("DETERMINANT", true);
    item->setArg1(&source);
    TestBoard board(1);
    board.evaluate({&source, item.get()});
    QVERIFY(!item->getError());
    source.setValue(2, 2, {1, 5, 0, 1});
    board.g.changeBest();
    source.compute(true);
    const QString before = item->toolTip();
    QVERIFY(before != "DETERMINANT needs a symetric matrix");
    std::unique_ptr<QThread> worker(QThread::create([&item] { item->compute(true); }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QVERIFY(item->getError());
    QCOMPARE(item->toolTip(), before);
    QCoreApplication::processEvents();
    QCOMPARE(item->toolTip(), QString("DETERMINANT needs a symetric matrix"));

    board.g.changeBest();
    source.compute(true);
    std::unique_ptr<QThread> again(QThread::create([&item] { item->compute(true); }));
    again->start();
    QVERIFY(again->wait(10000));
    item.reset();
    QCoreApplication::processEvents(); // the queued update finds no item and does nothing
}

// Every operator ends on arguments full of NaN or infinities; those that decompose refuse them.
void tst_OperatorItem::nonFiniteArgumentsEnd()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QStringList decomposing = {"EIGENVALUES", "EIGENVECTORS", "DETERMINANT", "INERTIA",
                                     "CHOLESKY"};
    for (const double bad : {nan, inf}) {
        for (const int cols : {1, 4}) {
            ValueSource a, b, c;
            QVector<double> entries(4 * cols, bad);
            entries[0] = 1; // not constant, and symmetric when square
            for (ValueSource *s : {&a, &b, &c})
                s->setValue(4, cols, entries);
            TestBoard board(4, {{0, 1}, {1, 2}, {2, 3}});
            int seen = 0;
            for (const QString &keyword : BuildCalculus::registeredKeywords()) {
                auto item = build(keyword);
                if (!item || !dynamic_cast<OperatorItem *>(item.get()))
                    continue;
                ++seen;
                item->setArg1(&a);
                item->setArg2(&b);
                item->setArg3(&c);
                board.evaluate({&a, &b, &c, item.get()});
                QVERIFY(item->rows >= 0 && item->rows <= 32 && item->cols >= 0 && item->cols <= 32);
                if (cols == 4 && decomposing.contains(keyword))
                    QCOMPARE(item->savedTooltip,
                             QString(keyword == "EIGENVALUES" ? "EIG" : keyword) +
                                 " needs finite entries");
            }
            QCOMPARE(seen, 50);
        }
    }
}

QTEST_MAIN(tst_OperatorItem)
#include "tst_OperatorItem.moc"
