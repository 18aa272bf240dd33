#include "numerics/Eig.h"

#include "CommonTest.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>
#include <limits>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

namespace
{

Matrix randomSymmetric(int n, double scale, bool adjacency = false)
{
    Matrix m(n, QVector<double>(n, 0.0));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j)
            m[i][j] = m[j][i] =
                adjacency ? (i != j && qrand() % 2) : scale * (2.0 * qrand() / RAND_MAX - 1.0);
    return m;
}

} // namespace

class tst_Eig : public QObject
{
    Q_OBJECT
private slots:
    void againstEigen_data();
    void againstEigen();
    void examples_data();
    void examples();
    void nonFiniteInputEnds_data();
    void nonFiniteInputEnds();
};

void tst_Eig::againstEigen_data()
{
    QTest::addColumn<Matrix>("m");
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        QTest::newRow(qPrintable(QString("wide n=%1").arg(n))) << randomSymmetric(n, 50.0);
        QTest::newRow(qPrintable(QString("adjacency n=%1").arg(n))) << randomSymmetric(n, 1, true);
    }
}

void tst_Eig::againstEigen()
{
    QFETCH(Matrix, m);
    const int n = m.size();
    Eigen::MatrixXd em(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            em(i, j) = m[i][j];
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(em);
    const Eig eig(m, n);
    const QVector<double> values = eig.eigvals();
    const Matrix vectors = eig.eigvecs();
    QVERIFY(values.size() == n && vectors.size() == n);
    // Off-diagonal remnants are below 2e-6, which bounds each residual.
    const double residualBound = 2e-6 * std::sqrt(double(n)) + 1e-9;
    for (int k = 0; k < n; ++k) {
        FUZZY_COMPARE(values[k], solver.eigenvalues()(n - 1 - k), 1e-6); // Eigen sorts ascending
        QVERIFY(k == 0 || values[k] <= values[k - 1]);
        QCOMPARE(eig.eigval(k), values[k]);
        const QVector<double> v = eig.eigvec(k);
        double residual = 0.0;
        for (int i = 0; i < n; ++i) {
            QCOMPARE(v[i], vectors[i][k]);
            double av = -values[k] * v[i];
            for (int j = 0; j < n; ++j)
                av += m[i][j] * v[j];
            residual += av * av;
        }
        QVERIFY2(std::sqrt(residual) <= residualBound, qPrintable(QString::number(residual)));
        for (int l = 0; l <= k; ++l) {
            double dot = 0.0;
            for (int r = 0; r < n; ++r)
                dot += vectors[r][k] * vectors[r][l];
            FUZZY_COMPARE(dot, k == l ? 1.0 : 0.0, 1e-12);
        }
    }
}

void tst_Eig::examples_data()
{
    const double h = 1.0 / std::sqrt(2.0);
    QTest::addColumn<Matrix>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<Matrix>("vectors");
    QTest::newRow("empty") << Matrix() << 0 << QVector<double>() << Matrix();
    QTest::newRow("one entry") << Matrix{{-2.5}} << 1 << QVector<double>{-2.5} << Matrix{{1.0}};
    QTest::newRow("diagonal with tie")
        << Matrix{{1, 0, 0}, {0, 3, 0}, {0, 0, 1}} << 3 << QVector<double>{3, 1, 1}
        << Matrix{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    QTest::newRow("swap matrix") << Matrix{{0, 1}, {1, 0}} << 2 << QVector<double>{1, -1}
                                 << Matrix{{h, -h}, {h, h}};
    // Pivots: at 1e-6 a pair rotates; another pair must beat the first one by 1e-6.
    QTest::newRow("pivot exactly 1e-6") << Matrix{{0, 1e-6}, {1e-6, 0}} << 2
                                        << QVector<double>{1e-6, -1e-6} << Matrix{{h, -h}, {h, h}};
    QTest::newRow("pivot just below") << Matrix{{2, 0.99e-6}, {0.99e-6, 7}} << 2
                                      << QVector<double>{7, 2} << Matrix{{0, 1}, {1, 0}};
    QTest::newRow("3x3 does not beat the first pair")
        << Matrix{{0, 0, 0}, {0, 0, 1e-6}, {0, 1e-6, 0}} << 3 << QVector<double>{0, 0, 0}
        << Matrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    QTest::newRow("only the top-left block read")
        << Matrix{{0, 1, 9}, {1, 0, 9}, {9, 9, 9}} << 2 << QVector<double>{1, -1}
        << Matrix{{h, -h}, {h, h}};
    QTest::newRow("too small: missing entries are 0")
        << Matrix{{2}} << 2 << QVector<double>{2, 0} << Matrix{{1, 0}, {0, 1}};
}

void tst_Eig::examples()
{
    QFETCH(Matrix, m);
    QFETCH(int, n);
    QFETCH(QVector<double>, values);
    QFETCH(Matrix, vectors);
    const Eig eig(m, n);
    QCOMPARE(eig.eigvals().size(), n);
    QCOMPARE(eig.eigvecs().size(), n);
    for (int k = 0; k < n; ++k) {
        FUZZY_COMPARE(eig.eigvals()[k], values[k], 1e-15);
        for (int r = 0; r < n; ++r)
            FUZZY_COMPARE(eig.eigvecs()[r][k], vectors[r][k], 1e-15);
    }
    // Out of range: empty vector, value 0.
    QVERIFY(eig.eigvec(-1).isEmpty() && eig.eigvec(n).isEmpty());
    QVERIFY(eig.eigval(-1) == 0.0 && eig.eigval(n) == 0.0);
}

void tst_Eig::nonFiniteInputEnds_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<Matrix>("m");
    qsrand(7);
    Matrix m = randomSymmetric(32, 1.0);
    m[0][1] = m[1][0] = nan;
    QTest::newRow("NaN first pair") << m;
    m = randomSymmetric(32, 1.0);
    m[20][27] = m[27][20] = nan;
    m[5][5] = nan;
    QTest::newRow("NaN deep pair and diagonal") << m;
    QTest::newRow("all NaN") << Matrix(12, QVector<double>(12, nan));
    m = randomSymmetric(32, 1.0);
    m[3][9] = m[9][3] = inf;
    m[4][4] = -inf;
    QTest::newRow("infinite") << m;
    QTest::newRow("overflowing") << randomSymmetric(32, 1e307);
}

void tst_Eig::nonFiniteInputEnds()
{
    QFETCH(Matrix, m);
    const int n = m.size();
    const Eig eig(m, n);
    // A pivot that is NaN or infinite (overflow included) ends the iteration before the cap.
    QVERIFY(eig.rotations() < Eig::maxRotations(n));
    QCOMPARE(eig.eigvals().size(), n);
    QCOMPARE(eig.eigvecs().size(), n);
    // A cap given by the caller is kept to exactly.
    QCOMPARE(Eig(randomSymmetric(16, 1.0), 16, 37).rotations(), 37);
}

QTEST_APPLESS_MAIN(tst_Eig)
#include "tst_Eig.moc"
