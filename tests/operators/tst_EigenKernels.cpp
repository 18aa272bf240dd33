#include "operators/EigenKernels.h"
#include "operators/MatrixTransforms.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

namespace
{

/// Q diag(lambda) Q^T with Q orthogonal: a symmetric matrix of known spectrum.
StoredValue withSpectrum(const Eigen::VectorXd &lambda)
{
    const int n = int(lambda.size());
    const Eigen::MatrixXd q =
        Eigen::HouseholderQR<Eigen::MatrixXd>(Eigen::MatrixXd::Random(n, n)).householderQ();
    const Eigen::MatrixXd m = q * lambda.asDiagonal() * q.transpose();
    return fromEigen(0.5 * (m + m.transpose())); // exactly symmetric
}

QVector<int> inertia(const StoredValue &a)
{
    int counts[3] = {-1, -1, -1};
    inertiaOf(a.m, a.rows, counts);
    return QVector<int>(counts, counts + 3);
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
    void decompositionsAgreeWithEigen();
    void diagonals_data();
    void diagonals();
    void nonFiniteInputEnds();
};

// Orders 1..32, spectra drawn at random or from a few values with exact zeros: eigenvalues
// non-increasing, unit orthogonal eigenvectors in matching columns, inertia counts, the
// determinant of matrices away from singular and Cholesky factors against Eigen's.
void tst_EigenKernels::decompositionsAgreeWithEigen()
{
    static const double few[] = {-3, -1, 0, 0, 0.5, 2, 5};
    int determinants = 0;
    for (int n = 1; n <= 32; ++n) {
        Eigen::VectorXd lambda(n);
        QVector<int> expected(3);
        for (int k = 0; k < n; ++k) {
            lambda(k) = n % 2 ? few[qrand() % 7] : qrand() % 10001 / 1000.0 - 5;
            ++expected[lambda(k) < -1e-6 ? 0 : lambda(k) > 1e-6 ? 2 : 1];
        }
        std::sort(lambda.data(), lambda.data() + n, std::greater<double>());
        const StoredValue a = withSpectrum(lambda);
        ValueRows values = markedStore(), vectors = markedStore();
        eigenvaluesInto(a.m, n, values);
        eigenvectorsInto(a.m, n, vectors);
        const Eigen::MatrixXd m = toEigen(a), v = toEigen(StoredValue{vectors, n, n});
        for (int i = 0; i < n; ++i) {
            FUZZY_COMPARE(values[i][0], lambda(i), 1e-5);
            QVERIFY((m * v.col(i) - values[i][0] * v.col(i)).norm() < 1e-4);
        }
        QVERIFY((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).norm() < 1e-9);
        QCOMPARE(values[0][1], -4242.0);
        if (n < 32)
            QVERIFY(values[n][0] == -4242.0 && vectors[0][n] == -4242.0 &&
                    vectors[n][0] == -4242.0);
        QCOMPARE(inertia(a), expected);
        // Cholesky of a positive definite matrix of the same order, its upper triangle spoiled.
        StoredValue p = withSpectrum(lambda.cwiseAbs().array() + 1);
        const Eigen::MatrixXd l = toEigen(p).llt().matrixL();
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                p.m[i][j] += 1e-3;
        ValueRows factor = markedStore();
        QVERIFY(choleskyInto(p.m, n, factor));
        QVERIFY((toEigen(StoredValue{factor, n, n}) - l).norm() < 1e-9);
        QVERIFY(n == 32 || factor[0][n] == -4242.0);
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
    QTest::addColumn<double>("determinant"); // -0.0 where the reset keeps the sign
    QTest::addColumn<QVector<int>>("inertia");
    using D = QVector<double>;
    using I = QVector<int>;
    QTest::newRow("zero matrix") << D{0, 0, 0} << 0.0 << I{0, 3, 0};
    QTest::newRow("last product untested") << D{0.5, 0.001, 0.001} << 5e-7 << I{0, 0, 3};
    QTest::newRow("small partial product") << D{0.5, 0.001, 0.001, 0.001} << 0.0 << I{0, 0, 4};
    QTest::newRow("reset keeps the sign") << D{2, 0, -1} << -0.0 << I{1, 1, 1};
    QTest::newRow("1e-6 is not reset") << D{1, 1e-6} << 1e-6 << I{0, 1, 1};
    QTest::newRow("below 1e-6 is reset") << D{1, 9e-7} << 0.0 << I{0, 1, 1};
    QTest::newRow("-1e-6 and below") << D{-1e-6, -1.1e-6} << 1.1e-12 << I{1, 1, 0};
    QTest::newRow("2 3 -1") << D{2, 3, -1} << -6.0 << I{1, 0, 2};
}

void tst_EigenKernels::diagonals()
{
    QFETCH(QVector<double>, diagonal);
    QFETCH(double, determinant);
    QFETCH(QVector<int>, inertia);
    const int n = diagonal.size();
    StoredValue a = stored(n, n, QVector<double>(n * n, 0.0));
    for (int i = 0; i < n; ++i)
        a.m[i][i] = diagonal[i];
    const double det = determinantOf(a.m, n);
    FUZZY_COMPARE(det, determinant, 1e-15);
    QCOMPARE(std::signbit(det), std::signbit(determinant));
    std::sort(diagonal.begin(), diagonal.end(), std::greater<double>());
    QCOMPARE(productWithZeroRule(diagonal), det);
    QCOMPARE(::inertia(a), inertia);
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
        const QVector<int> counts = inertia(a);
        QCOMPARE(counts[0] + counts[1] + counts[2], 32);
        QCOMPARE(int(checkDecomposable(a.block())), int(OperStatus::NotFinite));
    }
}

QTEST_APPLESS_MAIN(tst_EigenKernels)
#include "tst_EigenKernels.moc"
