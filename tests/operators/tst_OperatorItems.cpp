#include "OperatorCases.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

namespace
{

const Arg unlinked;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class tst_OperatorItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void compute_data();
    void compute();
    void determinantNegativeZero();
    void eigenItemsBelongTogether();
    void edgeCorrelationItem();
    void momentItem();
    void normalizeItem();
};

void tst_OperatorItems::compute_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Args>("args");
    QTest::addColumn<Expected>("expected");
    const Arg m2 = value(2, 2, {1, 2, 3, 4}, "n", "n");
    const Arg m23 = value(2, 3, {1, 2, 3, 4, 5, 6}, "r", "c");
    const Arg empty = value(0, 0, {});
    QTest::newRow("SUMCOL") << "SUMCOL" << Args{m2} << ok("SUMCOL", 1, 2, {4, 6}, "1", "n");
    QTest::newRow("SUMROW 2x3") << "SUMROW" << Args{m23} << ok("SUMROW", 2, 1, {6, 15}, "r", "1");
    QTest::newRow("MAXROW") << "MAXROW" << Args{m2} << ok("MAXROW", 2, 1, {2, 4}, "n", "1");
    QTest::newRow("SUMROW empty") << "SUMROW" << Args{empty} << failed("Argument error");
    QTest::newRow("SUMGE vector threshold")
        << "SUMGE" << Args{value(1, 4, {1, 2, 3, 2 - 5e-7}), value(3, 1, {2, 100, 100})}
        << ok("SUMGE", 1, 1, {7 - 5e-7});
    QTest::newRow("SUMGE empty threshold")
        << "SUMGE" << Args{value(1, 2, {-1, 4}), empty} << ok("SUMGE", 1, 1, {4});
    QTest::newRow("SUMGE empty first")
        << "SUMGE" << Args{value(0, 3, {})} << ok("SUMGE", 1, 1, {0});
    QTest::newRow("NBEQ zero mode") << "NBEQ" << Args{value(5, 1, {0, 5e-7, -5e-7, 1e-6, 1})}
                                    << ok("NBEQ", 1, 1, {3}, "1", "1", "NBEQ");
    QTest::newRow("NBEQ tolerance")
        << "NBEQ" << Args{value(3, 1, {0.4, -0.5, 0.6}), unlinked, value(1, 1, {0.5})}
        << ok("NBEQ", 1, 1, {1}, "1", "1", "NBEQ");
    QTest::newRow("NBEQ column reference")
        << "NBEQ" << Args{value(2, 2, {1, 1, 2, 5}), value(3, 1, {1, 2, 3}, "n", "1")}
        << ok("NBEQ", 3, 1, {2, 1, 0}, "n", "1", "NBEQ");
    QTest::newRow("NBEQ empty reference")
        << "NBEQ" << Args{value(1, 2, {0, 3}), empty} << ok("NBEQ", 1, 1, {1}, "1", "1", "NBEQ");
    QTest::newRow("NBVALUES") << "NBVALUES" << Args{value(1, 5, {1, 1, 2, 2, 3})}
                              << ok("NBVALUES", 1, 1, {3});
    QTest::newRow("NBVALUES empty") << "NBVALUES" << Args{empty} << failed("Argument error");
    QTest::newRow("VAR matrix") << "VAR" << Args{m2} << ok("VAR", 1, 1, {1.25});
    QTest::newRow("DPALINDROMIC") << "DPALINDROMIC" << Args{value(3, 1, {1, 2, 3})}
                                  << ok("DPALINDROMIC", 1, 1, {2});
    QTest::newRow("DPALINDROMIC single") << "DPALINDROMIC" << Args{value(1, 1, {4})}
                                         << failed("Argument 1 should be a vector", "1", "1");
    QTest::newRow("DPALINDROMIC matrix")
        << "DPALINDROMIC" << Args{m2} << failed("The argument should be a vector", "1", "1");
    QTest::newRow("DPALINDROMIC empty")
        << "DPALINDROMIC" << Args{empty} << failed("Argument error", "1", "1");

    // Two-value measures.
    const Arg col123 = value(3, 1, {1, 2, 3}), col321 = value(3, 1, {3, 2, 1});
    QTest::newRow("CORR not centred")
        << "CORR" << Args{col123, col321} << ok("CORR", 1, 1, {10.0 / 14.0}, "1", "1", "CORR");
    QTest::newRow("ANGLE opposite")
        << "ANGLE" << Args{col123, value(3, 1, {-2, -4, -6})} << ok("ANGLE", 1, 1, {M_PI});
    QTest::newRow("ANGLE matrix") << "ANGLE" << Args{m2, m2} << failed("VECTORS NEEDED", "1", "1");
    QTest::newRow("CORR row vs column")
        << "CORR" << Args{col123, value(1, 3, {1, 2, 3})} << failed("ARG SIZE DIFFER", "1", "1");
    QTest::newRow("CORR zero") << "CORR" << Args{value(1, 1, {0}), value(1, 1, {5})}
                               << failed("NUMERICAL ERROR: DIV by 0", "1", "1");
    QTest::newRow("ANGLE empty") << "ANGLE" << Args{empty, empty}
                                 << failed("Argument error", "1", "1");
    const Arg col456 = value(3, 1, {4, 5, 6});
    QTest::newRow("EUCLIDIANDIST")
        << "EUCLIDIANDIST" << Args{col123, col456} << ok("EUCLIDIANDIST", 1, 1, {std::sqrt(27.0)});
    QTest::newRow("SUMPRODUCT matrices")
        << "SUMPRODUCT" << Args{m2, m2} << ok("SUMPRODUCT", 1, 1, {30});
    QTest::newRow("ANGLE matrix against other size")
        << "ANGLE" << Args{m2, m23} << failed("VECTORS NEEDED", "1", "1");
    QTest::newRow("SUMPRODUCT differ")
        << "SUMPRODUCT" << Args{m2, m23} << failed("ARG SIZE DIFFER");

    // Spectral items and their checks.
    const Arg d13 = value(2, 2, {1, 0, 0, 3}, "n", "m");
    const Arg asym = value(2, 2, {1, 2e-6, 0, 1});
    QTest::newRow("EIG diagonal") << "EIGENVALUES" << Args{d13}
                                  << ok("Eigenvalues", 2, 1, {3, 1}, "n", "1");
    QTest::newRow("EIG 1x1") << "EIGENVALUES" << Args{value(1, 1, {2})}
                             << failed("EIG needs a matrix as argument");
    QTest::newRow("EIG 3x2") << "EIGENVALUES" << Args{value(3, 2, {1, 2, 3, 4, 5, 6})}
                             << failed("EIG needs a square matrix");
    QTest::newRow("EIG empty") << "EIGENVALUES" << Args{empty} << failed("Argument error");
    QTest::newRow("EIG asymmetric")
        << "EIGENVALUES" << Args{asym}
        << failed("EIG needs a symetric matrix", "NA", "NA", "EIG needs a symetric matrix");
    QTest::newRow("EIG not finite") << "EIGENVALUES" << Args{value(2, 2, {1, kNaN, kNaN, 1})}
                                    << failed("EIG needs finite entries");
    QTest::newRow("EIGVEC diagonal")
        << "EIGENVECTORS" << Args{d13} << ok("Eigenvectors", 2, 2, {0, 1, 1, 0}, "n", "m");
    QTest::newRow("EIGVEC 1x1") << "EIGENVECTORS" << Args{value(1, 1, {2})}
                                << failed("EIGENVECTORS needs a matrix as argument");
    QTest::newRow("EIGVEC asymmetric") << "EIGENVECTORS" << Args{asym}
                                       << failed("EIGENVECTORS needs a symetric matrix", "NA", "NA",
                                                 "EIGENVECTORS needs a symetric matrix");
    QTest::newRow("DET 2x3") << "DETERMINANT" << Args{m23}
                             << failed("DETERMINANT needs a square matrix");
    QTest::newRow("DET asymmetric") << "DETERMINANT" << Args{asym}
                                    << failed("DETERMINANT needs a symetric matrix", "NA", "NA",
                                              "DETERMINANT needs a symetric matrix");
    QTest::newRow("INERTIA") << "INERTIA" << Args{value(3, 3, {2, 0, 0, 0, 0, 0, 0, 0, -1})}
                             << ok("Inertia", 1, 3, {1, 1, 1}, "1", "3");
    QTest::newRow("INERTIA 1x1") << "INERTIA" << Args{value(1, 1, {2})}
                                 << failed("INERTIA needs a matrix as argument");
    QTest::newRow("INERTIA asymmetric")
        << "INERTIA" << Args{asym} << failed("INERTIA needs a symetric matrix");
    QTest::newRow("CHOLESKY") << "CHOLESKY" << Args{value(2, 2, {4, 2, 2, 3}, "n", "m")}
                              << ok("Cholesky", 2, 2, {2, 0, 1, std::sqrt(2.0)}, "n", "m");
    QTest::newRow("CHOLESKY ones") << "CHOLESKY" << Args{value(2, 2, {1, 1, 1, 1})}
                                   << failed("CHOLESKY matrix not positive definite", "NA", "NA",
                                             "CHOLESKY matrix not positive definite");
    QTest::newRow("CHOLESKY asymmetric")
        << "CHOLESKY" << Args{asym} << failed("CHOLESKY needs a simmetric matrix");
    QTest::newRow("LAPLACIANOF") << "LAPLACIANOF" << Args{value(2, 2, {1, 2, 2, 3}, "n", "m")}
                                 << ok("LaplacianOf", 2, 2, {2, -2, -2, 2}, "n", "n");
    QTest::newRow("LAPLACIANOF asymmetric") << "LAPLACIANOF" << Args{asym}
                                            << failed("LAPLACIANOF needs a symetric matrix", "NA",
                                                      "NA", "LAPLACIANOF needs a symetric matrix");
    QTest::newRow("LAPLACIANOF NaN passes")
        << "LAPLACIANOF" << Args{value(2, 2, {0, 1, 1, kNaN})}
        << ok("LaplacianOf", 2, 2, {1, -1, -1, kNaN}, "NA", "NA");
}

void tst_OperatorItems::compute()
{
    QFETCH(QString, keyword);
    QFETCH(Args, args);
    QFETCH(Expected, expected);
    checkOperatorCase(keyword, args, expected);
}

void tst_OperatorItems::determinantNegativeZero()
{
    ValueSource source;
    source.setValue(3, 3, {2, 0, 0, 0, 0, 0, 0, 0, -1});
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> det(catalogue.makeCalculus("DETERMINANT", false));
    det->setArg1(&source);
    TestBoard board(1);
    board.evaluate({&source, det.get()});
    QVERIFY(!det->getError());
    QCOMPARE(det->M[0][0], 0.0);
    QVERIFY(std::signbit(det->M[0][0]));
    source.setValue(3, 3, {0.5, 0, 0, 0, 0.001, 0, 0, 0, 0.001});
    board.evaluate({&source, det.get()});
    FUZZY_COMPARE(det->M[0][0], 5e-7, 1e-12);
}

// Column j of EIGENVECTORS belongs to entry j of EIGENVALUES on the same argument.
void tst_OperatorItems::eigenItemsBelongTogether()
{
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> values(catalogue.makeCalculus("EIGENVALUES", false));
    std::unique_ptr<Calculus> vectors(catalogue.makeCalculus("EIGENVECTORS", false));
    ValueSource source;
    QVector<double> entries(36);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j)
            entries[6 * i + j] = entries[6 * j + i] = qrand() % 11 - 5;
    source.setValue(6, 6, entries);
    values->setArg1(&source);
    vectors->setArg1(&source);
    TestBoard board(1);
    board.evaluate({&source, values.get(), vectors.get()});
    for (int j = 0; j < 6; ++j) {
        double residual = 0;
        for (int i = 0; i < 6; ++i) {
            double av = 0;
            for (int k = 0; k < 6; ++k)
                av += entries[6 * i + k] * vectors->M[k][j];
            residual += std::pow(av - values->M[j][0] * vectors->M[i][j], 2);
        }
        QVERIFY(std::sqrt(residual) < 1e-4);
    }
}

void tst_OperatorItems::edgeCorrelationItem()
{
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus("ECORR", false));
    ValueSource degrees;
    degrees.setValue(3, 1, {1, 2, 1});
    item->setArg1(&degrees);
    TestBoard path(3, {{0, 1}, {1, 2}});
    path.evaluate({&degrees, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->M[0][0], -1.0);
    QCOMPARE(item->toolTip(), QString("ECORR"));
    QCOMPARE(item->savedTooltip, QString("ECORR"));

    degrees.setValue(1, 3, {1, 2, 1});
    path.evaluate({&degrees, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->savedTooltip, QString("COLUMN VECTOR NEEDED WITH n ENTRIES"));
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->getSRows(), QString("1"));

    // No edge: the neutral 1.0 with the error flag and no message.
    TestBoard empty(3);
    degrees.setValue(3, 1, {1, 2, 3});
    empty.evaluate({&degrees, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->rows, 1);
    QCOMPARE(item->M[0][0], 1.0);
    QCOMPARE(item->savedTooltip, QString("ECORR"));

    TestBoard none(0);
    degrees.setValue(0, 1, {});
    none.evaluate({&degrees, item.get()});
    QCOMPARE(item->savedTooltip, QString("Argument error"));
}

void tst_OperatorItems::momentItem()
{
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus("MOMENT", false));
    ValueSource weights;
    weights.setValue(3, 1, {1, 1, 1});
    item->setArg1(&weights);
    TestBoard path(3, {{0, 1}, {1, 2}});
    path.evaluate({&weights, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->rows, 3);
    QCOMPARE(item->cols, 1);
    QCOMPARE(item->M[0][0], 3.0);
    QCOMPARE(item->M[1][0], 2.0);
    QCOMPARE(item->M[2][0], 3.0);
    QCOMPARE(item->getSRows(), QString("n"));

    weights.setValue(1, 3, {1, 1, 1}); // wrong shape: the degrees, silently
    path.evaluate({&weights, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->M[0][0], 4.0);
    QCOMPARE(item->M[1][0], 2.0);
    QCOMPARE(item->savedTooltip, QString());

    // The complement of the path is the edge 0-2 and the isolated vertex 1 (degree 0).
    item->setInvertGraph(true);
    path.evaluate({&weights, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->M[0][0], 1.0);
    QCOMPARE(item->M[1][0], 2e12);
    QCOMPARE(item->savedTooltip, QString());
    item->setInvertGraph(false);

    TestBoard two(4, {{0, 1}, {2, 3}});
    two.evaluate({&weights, item.get()});
    QVERIFY(item->getError());
    QCOMPARE(item->rows, 4);
    QCOMPARE(item->M[0][0], 1.0 + 2e12);

    TestBoard single(1);
    single.evaluate({&weights, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->rows, 1);
    QCOMPARE(item->M[0][0], 0.0);

    TestBoard none(0);
    none.evaluate({&weights, item.get()});
    QCOMPARE(item->rows, 0);
    QCOMPARE(item->cols, 1);
}

void tst_OperatorItems::normalizeItem()
{
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus("NORMALIZEMAT", false));
    ValueSource v;
    v.setValue(1, 2, {4, 1});
    item->setArg1(&v);
    TestBoard edge(2, {{0, 1}});
    edge.evaluate({&v, item.get()});
    QVERIFY(!item->getError());
    QCOMPARE(item->rows, 2);
    QCOMPARE(item->cols, 2);
    QCOMPARE(item->M[0][1], 0.5);
    QCOMPARE(item->M[1][0], 0.5);
    QCOMPARE(item->M[0][0], 0.0);
    QCOMPARE(item->getSRows(), QString("n"));
    QCOMPARE(item->savedTooltip, QString("NORMALIZEMAT"));

    const struct {
        int rows, cols;
        QVector<double> entries;
        const char *message;
    } refusals[] = {
        {1, 1, {4}, "NORMALIZEMAT needs a vector as argument"},
        {2, 2, {1, 1, 1, 1}, "NORMALIZEMAT needs a vector as argument"},
        {0, 0, {}, "Argument error"},
        {3, 1, {1, 1, 1}, "NORMALIZEMAT needs a vector with n entries"},
        {2, 1, {4, 0}, "NORMALIZEMAT needs positive products on the edges"},
        {2, 1, {4, -1}, "NORMALIZEMAT needs positive products on the edges"},
        {2, 1, {kNaN, 1}, "NORMALIZEMAT needs positive products on the edges"},
    };
    for (const auto &r : refusals) {
        v.setValue(r.rows, r.cols, r.entries);
        edge.evaluate({&v, item.get()});
        QVERIFY(item->getError());
        QCOMPARE(item->savedTooltip, QString(r.message));
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->getSRows(), QString("NA"));
    }
}

QTEST_MAIN(tst_OperatorItems)
#include "tst_OperatorItems.moc"
