#include "numerics/Cholesky.h"

#include "CommonTest.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

namespace
{

// B B^T + shift I for a random B: positive definite for shift > 0, with a negative
// eigenvalue when shift is far enough below 0.
Matrix randomGram(int n, double shift)
{
    Eigen::MatrixXd b(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            b(i, j) = 2.0 * qrand() / RAND_MAX - 1.0;
    const Eigen::MatrixXd a = b * b.transpose() + shift * Eigen::MatrixXd::Identity(n, n);
    Matrix m(n, QVector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m[i][j] = a(i, j);
    return m;
}

} // namespace

class tst_Cholesky : public QObject
{
    Q_OBJECT
private slots:
    void againstEigen_data();
    void againstEigen();
};

void tst_Cholesky::againstEigen_data()
{
    const double r2 = std::sqrt(2.0);
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<int>("n");
    QTest::addColumn<Matrix>("l"); // expected factor, empty when Eigen is the oracle
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        QTest::newRow(qPrintable(QString("definite n=%1").arg(n)))
            << randomGram(n, 0.1) << n << Matrix();
        QTest::newRow(qPrintable(QString("indefinite n=%1").arg(n)))
            << randomGram(n, -n) << n << Matrix();
    }
    QTest::newRow("2x2, upper triangle ignored")
        << Matrix{{4, 99}, {2, 3}} << 2 << Matrix{{2, 0}, {1, r2}};
    QTest::newRow("3x3 read from the top-left block")
        << Matrix{{4, 2, 0, -7}, {2, 5, 1, -7}, {0, 1, 1, -7}, {-7, -7, -7, -7}} << 3
        << Matrix{{2, 0, 0}, {1, 2, 0}, {0, 0.5, std::sqrt(3.0) / 2}};
    QTest::newRow("exact zero pivot") << Matrix{{1, 1}, {1, 1}} << 2 << Matrix{{0, 0}, {0, 0}};
    QTest::newRow("fails at the last pivot")
        << Matrix{{4, 2, 0}, {2, 5, 1}, {0, 1, 0.25}} << 3 << Matrix(3, QVector<double>(3, 0.0));
    QTest::newRow("too small: missing diagonal is 0")
        << Matrix{{4}, {2}} << 2 << Matrix{{0, 0}, {0, 0}};
    QTest::newRow("NaN") << Matrix{{std::nan("")}} << 1 << Matrix{{0}};
    QTest::newRow("order 0") << Matrix{{-1}} << 0 << Matrix();
}

void tst_Cholesky::againstEigen()
{
    QFETCH(Matrix, a);
    QFETCH(int, n);
    QFETCH(Matrix, l);
    const Cholesky chol(a, n);
    bool expectSuccess = true;
    if (l.isEmpty() && n > 0) {
        Eigen::MatrixXd e(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                e(i, j) = a[i][j];
        const Eigen::LLT<Eigen::MatrixXd> llt(e);
        expectSuccess = llt.info() == Eigen::Success;
        const Eigen::MatrixXd oracle = llt.matrixL();
        l = Matrix(n, QVector<double>(n, 0.0));
        for (int i = 0; i < n && expectSuccess; ++i)
            for (int j = 0; j <= i; ++j)
                l[i][j] = oracle(i, j);
    } else {
        for (int i = 0; i < l.size(); ++i)
            expectSuccess = expectSuccess && l[i][i] != 0.0;
    }
    QCOMPARE(chol.succeeded(), expectSuccess);
    const Matrix got = chol.q();
    QCOMPARE(got.size(), l.size());
    for (int i = 0; i < l.size(); ++i) {
        QCOMPARE(got[i].size(), n);
        for (int j = 0; j < n; ++j)
            FUZZY_COMPARE(got[i][j], l[i][j], 1e-10);
    }
}

QTEST_APPLESS_MAIN(tst_Cholesky)
#include "tst_Cholesky.moc"
