#include "numerics/Cholesky.h"

#include "CommonTest.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

namespace
{

double uniform()
{
    return 2.0 * qrand() / RAND_MAX - 1.0;
}

Eigen::MatrixXd toEigen(const Matrix &m)
{
    Eigen::MatrixXd e(m.size(), m.size());
    for (int i = 0; i < m.size(); ++i)
        for (int j = 0; j < m.size(); ++j)
            e(i, j) = m[i][j];
    return e;
}

Matrix fromEigen(const Eigen::MatrixXd &e)
{
    Matrix m(e.rows(), QVector<double>(e.cols()));
    for (int i = 0; i < e.rows(); ++i)
        for (int j = 0; j < e.cols(); ++j)
            m[i][j] = e(i, j);
    return m;
}

// Q diag(lambda) Q^T with a random orthogonal Q, so definiteness is known by construction.
Matrix withSpectrum(const QVector<double> &lambda)
{
    const int n = lambda.size();
    Eigen::MatrixXd g(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            g(i, j) = uniform();
    const Eigen::MatrixXd q = Eigen::HouseholderQR<Eigen::MatrixXd>(g).householderQ();
    Eigen::VectorXd d(n);
    for (int i = 0; i < n; ++i)
        d(i) = lambda[i];
    const Eigen::MatrixXd a = q * d.asDiagonal() * q.transpose();
    return fromEigen(0.5 * (a + a.transpose()));
}

bool allZero(const Matrix &m)
{
    for (const QVector<double> &row : m)
        for (double x : row)
            if (x != 0.0)
                return false;
    return true;
}

} // namespace

class tst_Cholesky : public QObject
{
    Q_OBJECT
private slots:
    void positiveDefinite_data();
    void positiveDefinite();
    void notPositiveDefinite_data();
    void notPositiveDefinite();
    void knownFactors_data();
    void knownFactors();
    void readsLowerTopLeftOnly();
    void emptyOrder();
};

void tst_Cholesky::positiveDefinite_data()
{
    QTest::addColumn<Matrix>("a");
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        QVector<double> lambda;
        for (int i = 0; i < n; ++i)
            lambda << 0.01 + 10.0 * (uniform() + 1.0);
        QTest::newRow(qPrintable(QString("spectrum n=%1").arg(n))) << withSpectrum(lambda);
    }
}

void tst_Cholesky::positiveDefinite()
{
    QFETCH(Matrix, a);
    const int n = a.size();
    const Cholesky chol(a, n);
    QVERIFY(chol.succeeded());
    const Matrix l = chol.q();
    QCOMPARE(l.size(), n);
    const Eigen::MatrixXd oracle = toEigen(a).llt().matrixL();
    for (int i = 0; i < n; ++i) {
        QCOMPARE(l[i].size(), n);
        for (int j = 0; j < n; ++j) {
            if (j > i)
                QCOMPARE(l[i][j], 0.0);
            FUZZY_COMPARE(l[i][j], oracle(i, j), 1e-10);
            double product = 0.0;
            for (int k = 0; k < n; ++k)
                product += l[i][k] * l[j][k];
            FUZZY_COMPARE(product, a[i][j], 1e-10);
        }
        QVERIFY(l[i][i] > 0.0);
    }
}

void tst_Cholesky::notPositiveDefinite_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::newRow("indefinite 2x2") << Matrix{{1, 2}, {2, 1}};
    QTest::newRow("zero 1x1") << Matrix{{0}};
    QTest::newRow("negative 1x1") << Matrix{{-3}};
    QTest::newRow("semidefinite, exact zero pivot") << Matrix{{1, 1}, {1, 1}};
    QTest::newRow("fails at the last pivot") << Matrix{{4, 2, 0}, {2, 5, 1}, {0, 1, 0.25}};
    qsrand(77);
    for (int n = 2; n <= 32; n += 3) {
        QVector<double> lambda;
        for (int i = 0; i < n; ++i)
            lambda << 0.5 + (uniform() + 1.0);
        lambda[qrand() % n] = -0.5;
        QTest::newRow(qPrintable(QString("one negative eigenvalue n=%1").arg(n)))
            << withSpectrum(lambda);
    }
}

void tst_Cholesky::notPositiveDefinite()
{
    QFETCH(Matrix, a);
    const int n = a.size();
    QVERIFY(toEigen(a).llt().info() != Eigen::Success);
    const Cholesky chol(a, n);
    QVERIFY(!chol.succeeded());
    QCOMPARE(chol.q().size(), n);
    QVERIFY(allZero(chol.q()));
}

void tst_Cholesky::knownFactors_data()
{
    const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0);
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<Matrix>("l");
    QTest::newRow("2x2") << Matrix{{4, 2}, {2, 3}} << Matrix{{2, 0}, {1, r2}};
    QTest::newRow("3x3") << Matrix{{4, 2, 0}, {2, 5, 1}, {0, 1, 1}}
                         << Matrix{{2, 0, 0}, {1, 2, 0}, {0, 0.5, r3 / 2}};
    QTest::newRow("upper triangle ignored") << Matrix{{4, 99}, {2, 3}} << Matrix{{2, 0}, {1, r2}};
    QTest::newRow("1x1") << Matrix{{9}} << Matrix{{3}};
}

void tst_Cholesky::knownFactors()
{
    QFETCH(Matrix, a);
    QFETCH(Matrix, l);
    const Cholesky chol(a, a.size());
    QVERIFY(chol.succeeded());
    const Matrix got = chol.q();
    QCOMPARE(got.size(), l.size());
    for (int i = 0; i < l.size(); ++i)
        for (int j = 0; j < l.size(); ++j)
            FUZZY_COMPARE(got[i][j], l[i][j], 1e-14);
}

void tst_Cholesky::readsLowerTopLeftOnly()
{
    Matrix big(32, QVector<double>(32, -7.0));
    const Matrix small{{4, 2, 0}, {2, 5, 1}, {0, 1, 1}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j)
            big[i][j] = small[i][j];
    const Matrix before = big;
    const Cholesky fromBig(big, 3);
    QCOMPARE(big, before);
    QVERIFY(fromBig.succeeded());
    QCOMPARE(fromBig.q(), Cholesky(small, 3).q());

    // Too small for n: the missing diagonal counts as 0 and fails.
    QVERIFY(!Cholesky(Matrix{{4}, {2}}, 2).succeeded());
}

void tst_Cholesky::emptyOrder()
{
    const Cholesky none(Matrix{{-1}}, 0);
    QVERIFY(none.succeeded());
    QVERIFY(none.q().isEmpty());
    QVERIFY(Cholesky(Matrix(), -2).q().isEmpty());
}

QTEST_APPLESS_MAIN(tst_Cholesky)
#include "tst_Cholesky.moc"
