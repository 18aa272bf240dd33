#include "operators/SpectralKernels.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>
#include <limits>

namespace
{

// Random symmetric matrix with entries in [-5, 5], stored in a 32 x 32 store full of poison.
StoredValue randomSymmetric(int n)
{
    StoredValue a(n, n, {});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j)
            a.m[i][j] = a.m[j][i] = (qrand() % 10001) / 1000.0 - 5.0;
    return a;
}

Eigen::MatrixXd toEigen(const StoredValue &a)
{
    Eigen::MatrixXd e(a.rows, a.cols);
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            e(i, j) = a.m[i][j];
    return e;
}

// Eigenvalues in non-increasing order, from Eigen's own solver.
Eigen::VectorXd oracleEigenvalues(const StoredValue &a)
{
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(toEigen(a));
    Eigen::VectorXd ascending = solver.eigenvalues();
    return ascending.reverse();
}

// Q diag(lambda) Q^T with Q orthogonal from the QR factorisation of a random matrix.
StoredValue withSpectrum(const QVector<double> &lambda)
{
    const int n = lambda.size();
    Eigen::MatrixXd r(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            r(i, j) = (qrand() % 2001) / 1000.0 - 1.0;
    const Eigen::MatrixXd q = Eigen::HouseholderQR<Eigen::MatrixXd>(r).householderQ();
    Eigen::VectorXd d(n);
    for (int k = 0; k < n; ++k)
        d(k) = lambda[k];
    const Eigen::MatrixXd m = q * d.asDiagonal() * q.transpose();
    StoredValue a(n, n, {});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a.m[i][j] = 0.5 * (m(i, j) + m(j, i));
    return a;
}

StoredValue diagonal(const QVector<double> &d)
{
    StoredValue a(d.size(), d.size(), {});
    for (int i = 0; i < d.size(); ++i)
        for (int j = 0; j < d.size(); ++j)
            a.m[i][j] = i == j ? d[i] : 0.0;
    return a;
}

} // namespace

class tst_SpectralKernels : public QObject
{
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void eigenvaluesAgreeWithEigen();
    void eigenvectorsAreUnitAndSolve();
    void handDecompositions();
    void determinantAgreesWithEigen();
    void zeroRule_data();
    void zeroRule();
    void inertiaAgreesWithEigen();
    void inertiaBoundary();
    void nonFiniteInputEnds();
};

void tst_SpectralKernels::checks_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("finite");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("0x0") << 0 << 0 << QVector<double>{} << int(OperStatus::ArgumentError) << true;
    QTest::newRow("3x0") << 3 << 0 << QVector<double>{} << int(OperStatus::ArgumentError) << true;
    QTest::newRow("3x2") << 3 << 2 << QVector<double>{1, 2, 3, 4, 5, 6}
                         << int(OperStatus::NotSquare) << true;
    QTest::newRow("2x3") << 2 << 3 << QVector<double>{1, 2, 3, 4, 5, 6}
                         << int(OperStatus::NotSquare) << true;
    QTest::newRow("1x1") << 1 << 1 << QVector<double>{4} << int(OperStatus::NotMatrix) << true;
    QTest::newRow("differ by 1e-6")
        << 2 << 2 << QVector<double>{1, 1e-6, 0, 1} << int(OperStatus::Ok) << true;
    QTest::newRow("differ by 5e-7")
        << 2 << 2 << QVector<double>{1, 2 + 5e-7, 2, 1} << int(OperStatus::Ok) << true;
    QTest::newRow("differ by 2e-6")
        << 2 << 2 << QVector<double>{1, 2e-6, 0, 1} << int(OperStatus::NotSymmetric) << true;
    QTest::newRow("late pair") << 3 << 3 << QVector<double>{1, 0, 0, 0, 1, 5, 0, 4, 1}
                               << int(OperStatus::NotSymmetric) << true;
    QTest::newRow("diagonal free")
        << 2 << 2 << QVector<double>{-9, 3, 3, 100} << int(OperStatus::Ok) << true;
    QTest::newRow("NaN pair") << 2 << 2 << QVector<double>{1, nan, nan, 1} << int(OperStatus::Ok)
                              << false;
    QTest::newRow("NaN diagonal") << 2 << 2 << QVector<double>{nan, 0, 0, 1} << int(OperStatus::Ok)
                                  << false;
    QTest::newRow("inf against 0")
        << 2 << 2 << QVector<double>{1, inf, 0, 1} << int(OperStatus::NotSymmetric) << true;
    QTest::newRow("inf pair") << 2 << 2 << QVector<double>{1, inf, inf, 1} << int(OperStatus::Ok)
                              << false;
    QTest::newRow("1e12 is finite")
        << 2 << 2 << QVector<double>{0, 1e12, 1e12, 0} << int(OperStatus::Ok) << true;
}

void tst_SpectralKernels::checks()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(int, status);
    QFETCH(bool, finite);
    StoredValue a(rows, cols, {});
    for (int k = 0; k < entries.size(); ++k)
        a.m[k / cols][k % cols] = entries[k];
    QCOMPARE(int(checkSymmetricMatrix(a.block())), status);
    const int decomposable =
        status == int(OperStatus::Ok) && !finite ? int(OperStatus::NotFinite) : status;
    QCOMPARE(int(checkDecomposable(a.block())), decomposable);
}

void tst_SpectralKernels::eigenvaluesAgreeWithEigen()
{
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        const StoredValue a = randomSymmetric(n);
        ValueRows out = markedStore();
        eigenvaluesInto(a.m, n, out);
        const Eigen::VectorXd oracle = oracleEigenvalues(a);
        for (int k = 0; k < n; ++k)
            FUZZY_COMPARE(out[k][0], oracle(k), 1e-5);
        if (n < 32)
            QCOMPARE(out[n][0], -4242.0);
        QCOMPARE(out[0][1], -4242.0);
    }
}

void tst_SpectralKernels::eigenvectorsAreUnitAndSolve()
{
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        const StoredValue a = randomSymmetric(n);
        ValueRows values = markedStore(), vectors = markedStore();
        eigenvaluesInto(a.m, n, values);
        eigenvectorsInto(a.m, n, vectors);
        const Eigen::MatrixXd m = toEigen(a);
        Eigen::MatrixXd v(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                v(i, j) = vectors[i][j];
        // Column j belongs to eigenvalue j: A v_j = lambda_j v_j, and the columns are orthonormal.
        for (int j = 0; j < n; ++j) {
            const double residual = (m * v.col(j) - values[j][0] * v.col(j)).norm();
            QVERIFY2(residual < 1e-4,
                     qPrintable(QString("n %1 column %2 residual %3").arg(n).arg(j).arg(residual)));
        }
        QVERIFY((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).norm() < 1e-9);
        if (n < 32) {
            QCOMPARE(vectors[0][n], -4242.0);
            QCOMPARE(vectors[n][0], -4242.0);
        }
    }
}

void tst_SpectralKernels::handDecompositions()
{
    ValueRows values = markedStore(), vectors = markedStore();
    const StoredValue d13 = diagonal({1, 3});
    eigenvaluesInto(d13.m, 2, values);
    eigenvectorsInto(d13.m, 2, vectors);
    QCOMPARE(values[0][0], 3.0);
    QCOMPARE(values[1][0], 1.0);
    QCOMPARE(vectors[0][0], 0.0);
    QCOMPARE(vectors[0][1], 1.0);
    QCOMPARE(vectors[1][0], 1.0);
    QCOMPARE(vectors[1][1], 0.0);

    const StoredValue identity = diagonal({1, 1, 1});
    eigenvaluesInto(identity.m, 3, values);
    eigenvectorsInto(identity.m, 3, vectors);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(values[i][0], 1.0);
        for (int j = 0; j < 3; ++j)
            QCOMPARE(vectors[i][j], i == j ? 1.0 : 0.0);
    }

    const StoredValue path(3, 3, {0, 1, 0, 1, 0, 1, 0, 1, 0});
    eigenvaluesInto(path.m, 3, values);
    FUZZY_COMPARE(values[0][0], std::sqrt(2.0), 1e-6);
    FUZZY_COMPARE(values[1][0], 0.0, 1e-6);
    FUZZY_COMPARE(values[2][0], -std::sqrt(2.0), 1e-6);
}

void tst_SpectralKernels::determinantAgreesWithEigen()
{
    qsrand(1234);
    int compared = 0;
    for (int n = 2; n <= 32; ++n) {
        const StoredValue a = randomSymmetric(n);
        const Eigen::VectorXd lambda = oracleEigenvalues(a);
        if (lambda.cwiseAbs().minCoeff() < 1e-2)
            continue; // near-singular: the zero rule and rounding decide, not the product
        const double oracle = toEigen(a).fullPivLu().determinant();
        FUZZY_COMPARE(determinantOf(a.m, n), oracle, 1e-6 * n);
        ++compared;
    }
    QVERIFY(compared > 20);
}

void tst_SpectralKernels::zeroRule_data()
{
    QTest::addColumn<QVector<double>>("diagonal");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("negativeZero");
    QTest::newRow("identity") << QVector<double>{1, 1, 1, 1} << 1.0 << false;
    QTest::newRow("zero matrix") << QVector<double>{0, 0, 0} << 0.0 << false;
    QTest::newRow("last product untested") << QVector<double>{0.5, 0.001, 0.001} << 5e-7 << false;
    QTest::newRow("small partial product")
        << QVector<double>{0.5, 0.001, 0.001, 0.001} << 0.0 << false;
    QTest::newRow("reset keeps the sign") << QVector<double>{2, 0, -1} << 0.0 << true;
    QTest::newRow("1e-6 is not reset") << QVector<double>{1, 1e-6} << 1e-6 << false;
    QTest::newRow("below 1e-6 is reset") << QVector<double>{1, 9e-7} << 0.0 << false;
    QTest::newRow("2 3 -1") << QVector<double>{2, 3, -1} << -6.0 << false;
}

void tst_SpectralKernels::zeroRule()
{
    QFETCH(QVector<double>, diagonal);
    QFETCH(double, expected);
    QFETCH(bool, negativeZero);
    const StoredValue a = ::diagonal(diagonal);
    const double det = determinantOf(a.m, diagonal.size());
    FUZZY_COMPARE(det, expected, 1e-15);
    QCOMPARE(bool(std::signbit(det)), negativeZero || expected < 0);
    QVector<double> sorted = diagonal;
    std::sort(sorted.begin(), sorted.end(), std::greater<double>());
    QCOMPARE(productWithZeroRule(sorted), det);
}

void tst_SpectralKernels::inertiaAgreesWithEigen()
{
    qsrand(1234);
    static const double spectrum[] = {-3, -1, 0, 0, 0.5, 2, 5};
    for (int n = 1; n <= 32; ++n) {
        QVector<double> lambda(n);
        int expected[3] = {0, 0, 0};
        for (int k = 0; k < n; ++k) {
            lambda[k] = spectrum[qrand() % 7];
            ++expected[lambda[k] < 0 ? 0 : lambda[k] == 0 ? 1 : 2];
        }
        const StoredValue a = withSpectrum(lambda);
        // Eigen sees the same counts at the same tolerance.
        const Eigen::VectorXd oracle = oracleEigenvalues(a);
        int eigenCounts[3] = {0, 0, 0};
        for (int k = 0; k < n; ++k)
            ++eigenCounts[oracle(k) < -1e-6 ? 0 : oracle(k) > 1e-6 ? 2 : 1];
        int counts[3] = {-1, -1, -1};
        inertiaOf(a.m, n, counts);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(eigenCounts[c], expected[c]);
            QCOMPARE(counts[c], expected[c]);
        }
    }
}

void tst_SpectralKernels::inertiaBoundary()
{
    int counts[3];
    inertiaOf(diagonal({1, 1e-6}).m, 2, counts);
    QCOMPARE(counts[0], 0);
    QCOMPARE(counts[1], 1);
    QCOMPARE(counts[2], 1);
    inertiaOf(diagonal({2, 0, -1}).m, 3, counts);
    QCOMPARE(counts[0], 1);
    QCOMPARE(counts[1], 1);
    QCOMPARE(counts[2], 1);
    inertiaOf(diagonal({-1e-6, -1.1e-6}).m, 2, counts);
    QCOMPARE(counts[0], 1);
    QCOMPARE(counts[1], 1);
    QCOMPARE(counts[2], 0);
    const StoredValue swap(2, 2, {0, 1, 1, 0});
    inertiaOf(swap.m, 2, counts);
    QCOMPARE(counts[0], 1);
    QCOMPARE(counts[1], 0);
    QCOMPARE(counts[2], 1);
    FUZZY_COMPARE(determinantOf(swap.m, 2), -1.0, 1e-9);
}

// The kernels behind the finiteness check must still end when handed such a block.
void tst_SpectralKernels::nonFiniteInputEnds()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double bad : {nan, inf, -inf}) {
        StoredValue a = randomSymmetric(32);
        a.m[3][7] = a.m[7][3] = bad;
        ValueRows out = markedStore();
        eigenvaluesInto(a.m, 32, out);
        eigenvectorsInto(a.m, 32, out);
        determinantOf(a.m, 32);
        int counts[3];
        inertiaOf(a.m, 32, counts);
        QCOMPARE(counts[0] + counts[1] + counts[2], 32);
        QCOMPARE(int(checkDecomposable(a.block())), int(OperStatus::NotFinite));
    }
}

QTEST_APPLESS_MAIN(tst_SpectralKernels)
#include "tst_SpectralKernels.moc"
