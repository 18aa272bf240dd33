#include "items/BuildCalculus.h"
#include "items/CalculusDisplay.h"
#include "operators/OperatorItem.h"

#include "OperatorCases.h"

#include <QCheckBox>
#include <QThread>
#include <QtTest>
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
    return k == 1   ? item->setArg1(arg)
           : k == 2 ? item->setArg2(arg)
           : k == 3 ? item->setArg3(arg)
                    : item->setArg4(arg);
}

// The graph of a row: n vertices, edges i-(i+1) for each i of chain; complemented when asked.
struct Board {
    int n = 1;
    QVector<int> chain;
    bool complement = false;
};

} // namespace

Q_DECLARE_METATYPE(Board)

class tst_OperatorItem : public QObject
{
    Q_OBJECT
private slots:
    void everyOperator_data();
    void everyOperator();
    void formulaTexts_data();
    void formulaTexts();
    void compute_data();
    void compute();
    void argumentInError();
    void graphicalItems();
    void tooltipFromWorkerThread();
    void nonFiniteArgumentsEnd();
};

void tst_OperatorItem::everyOperator_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("arity");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("symbols"); // kept through the failure
    for (const char *k : {"SUM", "SUMCOL", "SUMROW", "MAX", "MIN", "MAXCOL", "MAXROW", "NBVALUES",
                          "VAR", "EIGENVALUES", "EIGENVECTORS", "DETERMINANT", "INERTIA",
                          "CHOLESKY", "LAPLACIANOF", "NORMALIZEMAT"})
        QTest::newRow(k) << QString(k) << 1 << "Missing arguments"
                         << "NA";
    for (const char *k : {"ANGLE", "CORR", "EUCLIDIANDIST", "MANHATTANDIST", "SUMPRODUCT", "SUMGE"})
        QTest::newRow(k) << QString(k) << 2 << "Missing arguments"
                         << (QByteArray("ANGLE CORR").contains(k) ? "1" : "NA");
    QTest::newRow("NBEQ") << "NBEQ" << 3 << "Missing arguments"
                          << "NA";
    QTest::newRow("DPALINDROMIC") << "DPALINDROMIC" << 1 << "Missing argument"
                                  << "1";
    QTest::newRow("ECORR") << "ECORR" << 1 << "Missing arguments"
                           << "1";
    QTest::newRow("MOMENT") << "MOMENT" << 1 << QString() << "n";
    for (const char *k : {"SQRT", "ABS", "EXP", "CEIL", "FLOOR", "FIRST", "SECOND", "LAST",
                          "CENTER", "TRANSPOSE", "DIAG", "SORT"})
        QTest::newRow(k) << QString(k) << 1 << "Missing arguments"
                         << "NA";
    for (const char *k : {"+", "-", ".*", "/", "*", "MMAX", "MMIN", "ADDCOLS", "COLUMN", "ROW"})
        QTest::newRow(k) << QString(k) << 2 << "Missing arguments"
                         << "NA";
    QTest::newRow("VALUE AT") << "VALUE AT" << 3 << "Missing arguments"
                              << "NA";
    QTest::newRow("IFGE") << "IFGE" << 4 << "Missing arguments"
                          << "NA";
}

// Name, type, arity, and the error exit without argument, on a path 0-1-2.
void tst_OperatorItem::everyOperator()
{
    QFETCH(QString, keyword);
    QFETCH(int, arity);
    QFETCH(QString, missing);
    QFETCH(QString, symbols);
    auto item = build(keyword);
    QVERIFY(item);
    QCOMPARE(item->getType(), QString("Operator"));
    QVERIFY(item->textDocumentation().startsWith(keyword + " : "));
    TestBoard board(3, {{0, 1}, {1, 2}});
    board.evaluate({item.get()});
    QCOMPARE(item->getSRows(), symbols);
    if (missing.isEmpty()) { // MOMENT weighs by the degrees
        QCOMPARE(item->formula(), QString("MOMENT(G)"));
        QVERIFY(!item->getError());
        QCOMPARE(QVector<double>({item->M[0][0], item->M[1][0], item->M[2][0]}),
                 QVector<double>({4, 2, 4}));
    } else {
        QCOMPARE(item->formula(), QString("MISSING ARGUMENT"));
        QVERIFY(item->getError());
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->savedTooltip, missing);
        // Only NORMALIZEMAT shows this message at once.
        QCOMPARE(item->toolTip(), keyword == "NORMALIZEMAT" ? missing : QString());
    }
    ValueSource source;
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(setArg(item.get(), k, &source), k <= arity);
        QCOMPARE(k == 1   ? item->setLink1(nullptr)
                 : k == 2 ? item->setLink2(nullptr)
                 : k == 3 ? item->setLink3(nullptr)
                          : item->setLink4(nullptr),
                 k <= arity);
    }
}

void tst_OperatorItem::formulaTexts_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QVector<int>>("linked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two arguments") << "ANGLE" << QVector<int>{1, 2} << "ANGLE(A(G),B(G))";
    QTest::newRow("second missing") << "SUMPRODUCT" << QVector<int>{1} << "MISSING ARGUMENT";
    QTest::newRow("first missing") << "CORR" << QVector<int>{2} << "MISSING ARGUMENT";
    QTest::newRow("optional absent") << "SUMGE" << QVector<int>{1} << "SUMGE(A(G))";
    QTest::newRow("optional without first") << "SUMGE" << QVector<int>{2} << "MISSING ARGUMENT";
    QTest::newRow("NBEQ 1 and 3") << "NBEQ" << QVector<int>{1, 3} << "NBEQ(A(G),C(G))";
    QTest::newRow("nested missing") << "MAX" << QVector<int>{-1} << "MAX(MISSING ARGUMENT)";
    QTest::newRow("complement") << "MOMENT" << QVector<int>{0} << "MOMENT(GBAR)";
}

void tst_OperatorItem::formulaTexts()
{
    QFETCH(QString, keyword);
    QFETCH(QVector<int>, linked);
    QFETCH(QString, expected);
    ValueSource sources[3] = {ValueSource("A"), ValueSource("B"), ValueSource("C")};
    auto item = build(keyword), inner = build("SUM");
    for (int k : linked) {
        if (k > 0)
            QVERIFY(setArg(item.get(), k, &sources[k - 1]));
        else if (k < 0)
            item->setArg1(inner.get());
        else
            item->setInvertGraph(true);
    }
    QCOMPARE(item->formula(), expected);
}

void tst_OperatorItem::compute_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Args>("args");
    QTest::addColumn<Expected>("expected");
    QTest::addColumn<Board>("board");
    auto row = [](const char *tag, const QString &k, const Args &a, const Expected &e,
                  const Board &b = Board()) { QTest::newRow(tag) << k << a << e << b; };
    const Arg m2 = value(2, 2, {1, 2, 3, 4}, "n", "n"),
              m23 = value(2, 3, {1, 2, 3, 4, 5, 6}, "r", "c");
    const Arg empty = value(0, 0, {}), unlinked;
    const Arg col123 = value(3, 1, {1, 2, 3}), asym = value(2, 2, {1, 2e-6, 0, 1});
    const Arg d13 = value(2, 2, {1, 0, 0, 3}, "n", "m");
    row("SUMCOL", "SUMCOL", {m2}, ok("SUMCOL", 1, 2, {4, 6}, "1", "n"));
    row("SUMROW", "SUMROW", {m23}, ok("SUMROW", 2, 1, {6, 15}, "r", "1"));
    row("SUMROW empty", "SUMROW", {empty}, failed("Argument error"));
    row("SUMGE vector threshold", "SUMGE",
        {value(1, 4, {1, 2, 3, 2 - 5e-7}), value(3, 1, {2, 9, 9})}, ok("SUMGE", 1, 1, {7 - 5e-7}));
    row("SUMGE empty first", "SUMGE", {value(0, 3, {})}, ok("SUMGE", 1, 1, {0}));
    row("NBEQ tolerance", "NBEQ", {value(3, 1, {0.4, -0.5, 0.6}), unlinked, value(1, 1, {0.5})},
        ok("NBEQ", 1, 1, {1}, "1", "1", "NBEQ"));
    row("NBEQ column reference", "NBEQ",
        {value(2, 2, {1, 1, 2, 5}), value(3, 1, {1, 2, 3}, "n", "1")},
        ok("NBEQ", 3, 1, {2, 1, 0}, "n", "1", "NBEQ"));
    row("NBVALUES", "NBVALUES", {value(1, 5, {1, 1, 2, 2, 3})}, ok("NBVALUES", 1, 1, {3}));
    row("VAR", "VAR", {m2}, ok("VAR", 1, 1, {1.25}));
    row("DPALINDROMIC", "DPALINDROMIC", {value(1, 4, {1, 2, 3, 4})}, ok("DPALINDROMIC", 1, 1, {4}));
    row("DPALINDROMIC single", "DPALINDROMIC", {value(1, 1, {4})},
        failed("Argument 1 should be a vector", "1", "1"));
    row("DPALINDROMIC matrix", "DPALINDROMIC", {m2},
        failed("The argument should be a vector", "1", "1"));
    row("CORR", "CORR", {col123, value(3, 1, {3, 2, 1})},
        ok("CORR", 1, 1, {10.0 / 14}, "1", "1", "CORR"));
    row("CORR row vs column", "CORR", {col123, value(1, 3, {1, 2, 3})},
        failed("ARG SIZE DIFFER", "1", "1"));
    row("CORR zero", "CORR", {value(1, 1, {0}), value(1, 1, {5})},
        failed("NUMERICAL ERROR: DIV by 0", "1", "1"));
    row("ANGLE opposite", "ANGLE", {col123, value(3, 1, {-2, -4, -6})}, ok("ANGLE", 1, 1, {M_PI}));
    row("ANGLE matrix", "ANGLE", {m2, m23}, failed("VECTORS NEEDED", "1", "1"));
    row("EUCLIDIANDIST", "EUCLIDIANDIST", {col123, value(3, 1, {4, 5, 6})},
        ok("EUCLIDIANDIST", 1, 1, {std::sqrt(27.0)}));
    row("SUMPRODUCT differ", "SUMPRODUCT", {m2, m23}, failed("ARG SIZE DIFFER"));
    // Spectral items: labels, shapes, messages ("symetric" and "simmetric" as they are shown).
    row("EIG diagonal", "EIGENVALUES", {d13}, ok("Eigenvalues", 2, 1, {3, 1}, "n", "1"));
    row("EIG 1x1", "EIGENVALUES", {value(1, 1, {2})}, failed("EIG needs a matrix as argument"));
    row("EIG 3x2", "EIGENVALUES", {value(3, 2, {1, 2, 3, 4, 5, 6})},
        failed("EIG needs a square matrix"));
    row("EIG asymmetric", "EIGENVALUES", {asym},
        failed("EIG needs a symetric matrix", "NA", "NA", "EIG needs a symetric matrix"));
    row("EIG not finite", "EIGENVALUES", {value(2, 2, {1, qQNaN(), qQNaN(), 1})},
        failed("EIG needs finite entries"));
    row("EIGVEC diagonal", "EIGENVECTORS", {d13}, ok("Eigenvectors", 2, 2, {0, 1, 1, 0}, "n", "m"));
    row("EIGVEC asymmetric", "EIGENVECTORS", {asym},
        failed("EIGENVECTORS needs a symetric matrix", "NA", "NA",
               "EIGENVECTORS needs a symetric matrix"));
    row("DET negative zero", "DETERMINANT", {value(3, 3, {2, 0, 0, 0, 0, 0, 0, 0, -1})},
        ok("DETERMINANT", 1, 1, {-0.0}));
    row("DET 2x3", "DETERMINANT", {m23}, failed("DETERMINANT needs a square matrix"));
    row("INERTIA", "INERTIA", {value(3, 3, {2, 0, 0, 0, 0, 0, 0, 0, -1})},
        ok("Inertia", 1, 3, {1, 1, 1}, "1", "3"));
    row("INERTIA asymmetric", "INERTIA", {asym}, failed("INERTIA needs a symetric matrix"));
    row("CHOLESKY", "CHOLESKY", {value(2, 2, {4, 2, 2, 3}, "n", "m")},
        ok("Cholesky", 2, 2, {2, 0, 1, std::sqrt(2.0)}, "n", "m"));
    row("CHOLESKY ones", "CHOLESKY", {value(2, 2, {1, 1, 1, 1})},
        failed("CHOLESKY matrix not positive definite", "NA", "NA",
               "CHOLESKY matrix not positive definite"));
    row("CHOLESKY asymmetric", "CHOLESKY", {asym}, failed("CHOLESKY needs a simmetric matrix"));
    row("LAPLACIANOF", "LAPLACIANOF", {value(2, 2, {1, 2, 2, 3}, "n", "m")},
        ok("LaplacianOf", 2, 2, {2, -2, -2, 2}, "n", "n"));
    row("LAPLACIANOF NaN passes", "LAPLACIANOF", {value(2, 2, {0, 1, 1, qQNaN()})},
        ok("LaplacianOf", 2, 2, {1, -1, -1, qQNaN()}, "NA", "NA"));
    // Items that read the graph.
    const Board path{3, {0, 1}}, noEdge{3, {}}, none{0, {}}, edge{2, {0}};
    const Arg degrees = value(3, 1, {1, 2, 1});
    row("ECORR", "ECORR", {degrees}, ok("ECORR", 1, 1, {-1}, "1", "1", "ECORR"), path);
    // Edges 0-1 and 2-3: X = (1,2,3,5), Y = (2,1,5,3), Sxx = Syy = 8.75, centred products 3.75.
    row("ECORR two components", "ECORR", {value(4, 1, {1, 2, 3, 5})},
        ok("ECORR", 1, 1, {3.0 / 7}, "1", "1", "ECORR"), Board{4, {0, 2}});
    row("ECORR row", "ECORR", {value(1, 3, {1, 2, 1})},
        failed("COLUMN VECTOR NEEDED WITH n ENTRIES", "1", "1"), path);
    row("ECORR no edge", "ECORR", {degrees}, Expected{true, "ECORR", "ECORR", 1, 1, "1", "1", {1}},
        noEdge);
    row("ECORR n = 0", "ECORR", {value(0, 1, {})}, failed("Argument error", "1", "1"), none);
    row("MOMENT weighted", "MOMENT", {value(3, 1, {1, 1, 1})}, ok("", 3, 1, {3, 2, 3}, "n", "1"),
        path);
    row("MOMENT row: degrees", "MOMENT", {value(1, 3, {1, 1, 1})},
        ok("", 3, 1, {4, 2, 4}, "n", "1"), path);
    // The complement of the path: edge 0-2 and the isolated vertex 1.
    row("MOMENT complement", "MOMENT", {}, Expected{true, "", "", 3, 1, "n", "1", {1, 2e12, 1}},
        Board{3, {0, 1}, true});
    row("MOMENT n = 0", "MOMENT", {}, ok("", 0, 1, {}, "n", "1"), none);
    row("NORMALIZEMAT", "NORMALIZEMAT", {value(1, 2, {4, 1})},
        ok("NORMALIZEMAT", 2, 2, {0, 0.5, 0.5, 0}, "n", "n"), edge);
    row("NORMALIZEMAT 2x2", "NORMALIZEMAT", {m2}, failed("NORMALIZEMAT needs a vector as argument"),
        edge);
    row("NORMALIZEMAT length", "NORMALIZEMAT", {col123},
        failed("NORMALIZEMAT needs a vector with n entries"), edge);
    row("NORMALIZEMAT NaN", "NORMALIZEMAT", {value(2, 1, {qQNaN(), 1})},
        failed("NORMALIZEMAT needs positive products on the edges"), edge);
}

void tst_OperatorItem::compute()
{
    QFETCH(QString, keyword);
    QFETCH(Args, args);
    QFETCH(Expected, expected);
    QFETCH(Board, board);
    auto item = build(keyword);
    TestBoard b(board.n);
    for (int v : board.chain)
        b.g.addEdge(v, v + 1);
    item->setInvertGraph(board.complement);
    ValueSource sources[3];
    for (int k = 0; k < args.size(); ++k) {
        if (args[k].rows >= 0) {
            sources[k].setValue(args[k].rows, args[k].cols, args[k].entries, args[k].symbolRows,
                                args[k].symbolCols);
            QVERIFY(setArg(item.get(), k + 1, &sources[k]));
        }
    }
    b.evaluate({&sources[0], &sources[1], &sources[2], item.get()});
    QCOMPARE(item->getError(), expected.error);
    QCOMPARE(item->savedTooltip, expected.saved);
    QCOMPARE(item->toolTip(), expected.shownNow);
    QCOMPARE(item->rows, expected.rows);
    QCOMPARE(item->cols, expected.cols);
    QCOMPARE(item->getSRows(), expected.symbolRows);
    QCOMPARE(item->getSCols(), expected.symbolCols);
    for (int k = 0; k < expected.entries.size(); ++k) {
        const double x = item->M[k / expected.cols][k % expected.cols], e = expected.entries[k];
        FUZZY_COMPARE(x, e, 1e-9);
        QVERIFY(e != 0 || std::signbit(x) == std::signbit(e));
    }
}

// An argument in error puts the item in error, its last label kept.
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
    QCOMPARE(item->M[0][0], 1.0);
    b.failing = true;
    board.evaluate({&a, &b, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->savedTooltip, QString("CORR"));
}

void tst_OperatorItem::graphicalItems()
{
    auto shown = build("VAR", true);
    QVERIFY(shown->getCalculusDisplay());
    QCOMPARE(shown->toolTip(), QString("VAR"));
    QVERIFY(QRectF(0, 0, 200, 200).contains(shown->pos()));
    // Only MOMENT offers the complement.
    for (const char *keyword : {"MOMENT", "ECORR", "SUM"}) {
        auto item = build(keyword, true);
        bool enabled = false;
        for (QCheckBox *box : item->getCalculusDisplay()->findChildren<QCheckBox *>())
            enabled = enabled || (box->text() == "Complement" && box->isEnabled());
        QCOMPARE(enabled, QString(keyword) == "MOMENT");
    }
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
    source.setValue(2, 2, {1, 5, 0, 1});
    const QString before = item->toolTip();
    QVERIFY(before != "DETERMINANT needs a symetric matrix");
    for (int round = 0; round < 2; ++round) {
        board.g.changeBest();
        source.compute(true);
        std::unique_ptr<QThread> worker(QThread::create([&item] { item->compute(true); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QVERIFY(item->getError());
        if (round == 1) {
            item.reset();
            QCoreApplication::processEvents(); // finds no item and does nothing
            return;
        }
        QCOMPARE(item->toolTip(), before);
        QCoreApplication::processEvents();
        QCOMPARE(item->toolTip(), QString("DETERMINANT needs a symetric matrix"));
    }
}

// Every operator ends on arguments full of NaN or infinities; those that decompose refuse them.
void tst_OperatorItem::nonFiniteArgumentsEnd()
{
    const QStringList decomposing = {"EIGENVALUES", "EIGENVECTORS", "DETERMINANT", "INERTIA",
                                     "CHOLESKY"};
    for (const double bad : {qQNaN(), qInf()}) {
        for (const int cols : {1, 4}) {
            ValueSource a;
            QVector<double> entries(4 * cols, bad);
            entries[0] = 1; // not constant, and symmetric when square
            a.setValue(4, cols, entries);
            TestBoard board(4, {{0, 1}, {1, 2}, {2, 3}});
            int seen = 0;
            for (const QString &keyword : BuildCalculus::registeredKeywords()) {
                auto item = build(keyword);
                if (!dynamic_cast<OperatorItem *>(item.get()))
                    continue;
                ++seen;
                for (int k = 1; k <= 3; ++k)
                    setArg(item.get(), k, &a);
                board.evaluate({&a, item.get()});
                QVERIFY(item->rows >= 0 && item->rows <= 32 && item->cols >= 0 && item->cols <= 32);
                if (cols == 4 && decomposing.contains(keyword))
                    QCOMPARE(item->savedTooltip, (keyword == "EIGENVALUES" ? "EIG" : keyword) +
                                                     " needs finite entries");
            }
            QCOMPARE(seen, 50);
        }
    }
}

QTEST_MAIN(tst_OperatorItem)
#include "tst_OperatorItem.moc"
