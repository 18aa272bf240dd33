#include "operators/EigenKernels.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <Eigen/Dense>
#include <QtTest>

namespace
{

Eigen::MatrixXd toEigen(const StoredValue &a)
{
    Eigen::MatrixXd e(a.rows, a.cols);
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            e(i, j) = a.m[i][j];
    return e;
}

StoredValue fromEigen(const Eigen::MatrixXd &m)
{
    StoredValue a(int(m.rows()), int(m.cols()), {});
    for (int i = 0; i < m.rows(); ++i)
        for (int j = 0; j < m.cols(); ++j)
            a.m[i][j] = 0.5 * (m(i, j) + m(j, i));
    return a;
}

/// Q diag(lambda) Q^T with Q orthogonal: a symmetric matrix of known spectrum.
StoredValue withSpectrum(const Eigen::VectorXd &lambda)
{
    const int n = int(lambda.size());
    const Eigen::MatrixXd q =
        Eigen::HouseholderQR<Eigen::MatrixXd>(Eigen::MatrixXd::Random(n, n)).householderQ();
    return fromEigen(q * lambda.asDiagonal() * q.transpose());
}

} // namespace

class tst_EigenKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qsrand(1234);
        std::srand(1234); // Eigen's Random
    }
    void checks_data();
    void checks();
    void decompositionsAgreeWithEigen();
    void diagonals_data();
    void diagonals();
    void nonFiniteInputEnds();
};

void tst_EigenKernels::checks_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("finite");
    const int ok = int(OperStatus::Ok), asym = int(OperStatus::NotSymmetric);
    QTest::newRow("0x0") << 0 << QVector<double>{} << int(OperStatus::ArgumentError) << true;
    QTest::newRow("3x2") << 3 << QVector<double>{1, 2, 3, 4, 5, 6} << int(OperStatus::NotSquare)
                         << true;
    QTest::newRow("1x1") << 1 << QVector<double>{4} << int(OperStatus::NotMatrix) << true;
    QTest::newRow("differ by 1e-6") << 2 << QVector<double>{1, 1e-6, 0, 1} << ok << true;
    QTest::newRow("differ by 2e-6") << 2 << QVector<double>{1, 2e-6, 0, 1} << asym << true;
    QTest::newRow("late pair") << 3 << QVector<double>{1, 0, 0, 0, 1, 5, 0, 4, 1} << asym << true;
    QTest::newRow("NaN pair") << 2 << QVector<double>{1, qQNaN(), qQNaN(), 1} << ok << false;
    QTest::newRow("NaN diagonal") << 2 << QVector<double>{qQNaN(), 0, 0, 1} << ok << false;
    QTest::newRow("inf against 0") << 2 << QVector<double>{1, qInf(), 0, 1} << asym << true;
    QTest::newRow("inf pair") << 2 << QVector<double>{1, qInf(), qInf(), 1} << ok << false;
}

void tst_EigenKernels::checks()
{
    QFETCH(int, rows);
    QFETCH(QVector<double>, entries);
    QFETCH(int, status);
    QFETCH(bool, finite);
    const StoredValue a = stored(rows, rows ? entries.size() / rows : 0, entries);
    QCOMPARE(int(checkSymmetricMatrix(a.block())), status);
    QCOMPARE(int(checkDecomposable(a.block())),
             status == int(OperStatus::Ok) && !finite ? int(OperStatus::NotFinite) : status);
}

// Orders 1..32, spectra drawn at random or from a few values with exact zeros: eigenvalues
// non-increasing, unit orthogonal eigenvectors in matching columns, inertia counts, and the
// determinant of matrices away from singular against Eigen's.
void tst_EigenKernels::decompositionsAgreeWithEigen()
{
    static const double few[] = {-3, -1, 0, 0, 0.5, 2, 5};
    int determinants = 0;
    for (int n = 1; n <= 32; ++n) {
        Eigen::VectorXd lambda(n);
        int expected[3] = {0, 0, 0};
        for (int k = 0; k < n; ++k) {
            lambda(k) = n % 2 ? few[qrand() % 7] : qrand() % 10001 / 1000.0 - 5;
            ++expected[lambda(k) < -1e-6 ? 0 : lambda(k) > 1e-6 ? 2 : 1];
        }
        std::sort(lambda.data(), lambda.data() + n, std::greater<double>());
        const StoredValue a = withSpectrum(lambda);
        const Eigen::MatrixXd m = toEigen(a);
        ValueRows values = markedStore(), vectors = markedStore();
        eigenvaluesInto(a.m, n, values);
        eigenvectorsInto(a.m, n, vectors);
        Eigen::MatrixXd v(n, n);
        for (int i = 0; i < n; ++i) {
            FUZZY_COMPARE(values[i][0], lambda(i), 1e-5);
            for (int j = 0; j < n; ++j)
                v(i, j) = vectors[i][j];
        }
        for (int j = 0; j < n; ++j)
            QVERIFY((m * v.col(j) - values[j][0] * v.col(j)).norm() < 1e-4);
        QVERIFY((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).norm() < 1e-9);
        QCOMPARE(values[0][1], -4242.0);
        if (n < 32) {
            QCOMPARE(values[n][0], -4242.0);
            QCOMPARE(vectors[0][n], -4242.0);
            QCOMPARE(vectors[n][0], -4242.0);
        }
        int counts[3] = {-1, -1, -1};
        inertiaOf(a.m, n, counts);
        QCOMPARE(QVector<int>(counts, counts + 3), QVector<int>(expected, expected + 3));
        if (n >= 2 && lambda.cwiseAbs().minCoeff() > 1e-2) {
            FUZZY_COMPARE(determinantOf(a.m, n), m.fullPivLu().determinant(), 1e-6 * n);
            ++determinants;
        }
    }
    QVERIFY(determinants > 10);
}

void tst_EigenKernels::diagonals_data()
{
    QTest::addColumn<QVector<double>>("diagonal");
    QTest::addColumn<double>("determinant");
    QTest::addColumn<bool>("negativeZero");
    QTest::addColumn<QVector<int>>("inertia");
    QTest::newRow("zero matrix") << QVector<double>{0, 0, 0} << 0.0 << false
                                 << QVector<int>{0, 3, 0};
    QTest::newRow("last product untested")
        << QVector<double>{0.5, 0.001, 0.001} << 5e-7 << false << QVector<int>{0, 0, 3};
    QTest::newRow("small partial product")
        << QVector<double>{0.5, 0.001, 0.001, 0.001} << 0.0 << false << QVector<int>{0, 0, 4};
    QTest::newRow("reset keeps the sign")
        << QVector<double>{2, 0, -1} << 0.0 << true << QVector<int>{1, 1, 1};
    QTest::newRow("1e-6 is not reset")
        << QVector<double>{1, 1e-6} << 1e-6 << false << QVector<int>{0, 1, 1};
    QTest::newRow("below 1e-6 is reset")
        << QVector<double>{1, 9e-7} << 0.0 << false << QVector<int>{0, 1, 1};
    QTest::newRow("-1e-6 and below")
        << QVector<double>{-1e-6, -1.1e-6} << 1.1e-12 << false << QVector<int>{1, 1, 0};
    QTest::newRow("2 3 -1") << QVector<double>{2, 3, -1} << -6.0 << false << QVector<int>{1, 0, 2};
}

void tst_EigenKernels::diagonals()
{
    QFETCH(QVector<double>, diagonal);
    QFETCH(double, determinant);
    QFETCH(bool, negativeZero);
    QFETCH(QVector<int>, inertia);
    const int n = diagonal.size();
    StoredValue a(n, n, {});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a.m[i][j] = i == j ? diagonal[i] : 0.0;
    const double det = determinantOf(a.m, n);
    FUZZY_COMPARE(det, determinant, 1e-15);
    QCOMPARE(bool(std::signbit(det)), negativeZero || determinant < 0);
    std::sort(diagonal.begin(), diagonal.end(), std::greater<double>());
    QCOMPARE(productWithZeroRule(diagonal), det);
    int counts[3] = {-1, -1, -1};
    inertiaOf(a.m, n, counts);
    QCOMPARE(QVector<int>(counts, counts + 3), inertia);
}

// Behind the finiteness check, the kernels must still end when handed such a block.
void tst_EigenKernels::nonFiniteInputEnds()
{
    for (const double bad : {qQNaN(), qInf(), -qInf()}) {
        StoredValue a = withSpectrum(Eigen::VectorXd::Random(32));
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

QTEST_APPLESS_MAIN(tst_EigenKernels)
#include "tst_EigenKernels.moc"
