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

Matrix square(int n, double fill = 0.0)
{
    return Matrix(n, QVector<double>(n, fill));
}

Matrix randomSymmetric(int n, double scale)
{
    Matrix m = square(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j)
            m[i][j] = m[j][i] = scale * (2.0 * qrand() / RAND_MAX - 1.0);
    return m;
}

Matrix randomAdjacency(int n)
{
    Matrix m = square(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < i; ++j)
            if (qrand() % 2)
                m[i][j] = m[j][i] = 1.0;
    return m;
}

// Off-diagonal entries drawn from values around the 1e-6 thresholds, to exercise the pivot
// hysteresis and the stop test.
Matrix nearThreshold(int n)
{
    static const double levels[] = {0.0, 0.5e-6, 1e-6, 1.5e-6, 2e-6, 2.5e-6, 1e-3};
    Matrix m = square(n);
    for (int i = 0; i < n; ++i) {
        m[i][i] = qrand() % 3;
        for (int j = 0; j < i; ++j)
            m[i][j] = m[j][i] = (qrand() % 2 ? 1 : -1) * levels[qrand() % 7];
    }
    return m;
}

// The rotation method written out step by step on plain 2-D arrays, as an oracle for exact
// agreement of the sequence of rotations, the signs of the columns and the order of ties.
struct PlainJacobi {
    QVector<double> values;
    Matrix vectors;

    int rotations = 0;

    PlainJacobi(const Matrix &in, int n, int cap = INT_MAX)
    {
        Matrix a = square(n), v = square(n);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                a[i][j] = in[i][j];
            v[i][i] = 1.0;
        }
        for (; rotations < cap; ++rotations) {
            if (n < 2)
                break;
            int p = 0, q = 1;
            double cand = std::fabs(a[0][1]);
            for (int i = 0; i < n - 1; ++i)
                for (int j = i + 1; j < n; ++j)
                    if (std::fabs(a[i][j]) > cand + 1e-6) {
                        cand = std::fabs(a[i][j]);
                        p = i;
                        q = j;
                    }
            if (cand < 1e-6)
                break;
            const double theta = 0.5 * std::atan2(2 * a[p][q], a[p][p] - a[q][q]);
            const double s = std::sin(theta), c = std::cos(theta);
            for (int k = 0; k < n; ++k) {
                double x = a[k][p], y = a[k][q];
                a[k][p] = c * x + s * y;
                a[k][q] = -s * x + c * y;
                x = v[k][p];
                y = v[k][q];
                v[k][p] = c * x + s * y;
                v[k][q] = -s * x + c * y;
            }
            a[p][p] = c * a[p][p] + s * a[q][p];
            a[q][q] = c * a[q][q] - s * a[p][q];
            a[p][q] = 0;
            for (int k = 0; k < n; ++k) {
                a[p][k] = a[k][p];
                a[q][k] = a[k][q];
            }
        }
        for (int i = 0; i < n; ++i)
            values << a[i][i];
        bool again = true;
        while (again) {
            again = false;
            for (int i = 0; i + 1 < n; ++i)
                if (values[i + 1] > values[i]) {
                    std::swap(values[i], values[i + 1]);
                    for (int r = 0; r < n; ++r)
                        std::swap(v[r][i], v[r][i + 1]);
                    again = true;
                }
        }
        vectors = v;
    }
};

} // namespace

class tst_Eig : public QObject
{
    Q_OBJECT
private slots:
    void againstEigen_data();
    void againstEigen();
    void sameRotationsAsPlainMethod_data();
    void sameRotationsAsPlainMethod();
    void smallCases_data();
    void smallCases();
    void thresholdDecidesRotation_data();
    void thresholdDecidesRotation();
    void readsOnlyTopLeftBlock();
    void indexOutOfRange();
    void nonFiniteInputEnds_data();
    void nonFiniteInputEnds();
    void capStopsRotating_data();
    void capStopsRotating();
};

void tst_Eig::againstEigen_data()
{
    QTest::addColumn<Matrix>("m");
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        QTest::newRow(qPrintable(QString("uniform n=%1").arg(n))) << randomSymmetric(n, 1.0);
        QTest::newRow(qPrintable(QString("wide n=%1").arg(n))) << randomSymmetric(n, 50.0);
        QTest::newRow(qPrintable(QString("adjacency n=%1").arg(n))) << randomAdjacency(n);
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
    QCOMPARE(solver.info(), Eigen::Success);

    const Eig eig(m, n);
    const QVector<double> values = eig.eigvals();
    const Matrix vectors = eig.eigvecs();
    QCOMPARE(values.size(), n);
    QCOMPARE(vectors.size(), n);
    for (int k = 0; k < n; ++k) {
        // Eigen sorts ascending.
        FUZZY_COMPARE(values[k], solver.eigenvalues()(n - 1 - k), 1e-6);
        QCOMPARE(eig.eigval(k), values[k]);
        if (k > 0)
            QVERIFY(values[k] <= values[k - 1]);
    }
    // Off-diagonal remnants are below 2e-6, which bounds each residual.
    const double residualBound = 2e-6 * std::sqrt(double(n)) + 1e-9;
    for (int k = 0; k < n; ++k) {
        const QVector<double> v = eig.eigvec(k);
        QCOMPARE(v.size(), n);
        for (int r = 0; r < n; ++r)
            QCOMPARE(v[r], vectors[r][k]);
        double residual = 0.0;
        for (int i = 0; i < n; ++i) {
            double av = 0.0;
            for (int j = 0; j < n; ++j)
                av += m[i][j] * v[j];
            residual += (av - values[k] * v[i]) * (av - values[k] * v[i]);
        }
        QVERIFY2(std::sqrt(residual) <= residualBound,
                 qPrintable(QString("residual %1 of vector %2").arg(std::sqrt(residual)).arg(k)));
        for (int l = 0; l <= k; ++l) {
            double dot = 0.0;
            for (int r = 0; r < n; ++r)
                dot += vectors[r][k] * vectors[r][l];
            FUZZY_COMPARE(dot, k == l ? 1.0 : 0.0, 1e-12);
        }
    }
}

void tst_Eig::sameRotationsAsPlainMethod_data()
{
    QTest::addColumn<Matrix>("m");
    qsrand(4321);
    for (int n : {2, 3, 5, 8, 13, 21, 32, 47, 64}) {
        QTest::newRow(qPrintable(QString("uniform n=%1").arg(n))) << randomSymmetric(n, 1.0);
        QTest::newRow(qPrintable(QString("adjacency n=%1").arg(n))) << randomAdjacency(n);
        QTest::newRow(qPrintable(QString("near threshold n=%1").arg(n))) << nearThreshold(n);
    }
    // Not symmetric: still the same steps, whatever they yield.
    Matrix skew = square(4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            skew[i][j] = (i * 7 + j * 3) % 5 - 2.0;
    QTest::newRow("not symmetric") << skew;
    Matrix ties = square(6, 1.0);
    QTest::newRow("all ones") << ties;
    QTest::newRow("zero") << square(5);
}

void tst_Eig::sameRotationsAsPlainMethod()
{
    QFETCH(Matrix, m);
    const int n = m.size();
    const PlainJacobi plain(m, n);
    const Eig eig(m, n);
    QCOMPARE(eig.rotations(), plain.rotations);
    QCOMPARE(eig.eigvals(), plain.values);
    QCOMPARE(eig.eigvecs(), plain.vectors);
}

void tst_Eig::smallCases_data()
{
    const double h = 1.0 / std::sqrt(2.0);
    QTest::addColumn<Matrix>("m");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<Matrix>("vectors");
    QTest::newRow("empty") << Matrix() << QVector<double>() << Matrix();
    QTest::newRow("one entry") << Matrix{{-2.5}} << QVector<double>{-2.5} << Matrix{{1.0}};
    QTest::newRow("diagonal with tie")
        << Matrix{{1, 0, 0}, {0, 3, 0}, {0, 0, 1}} << QVector<double>{3, 1, 1}
        << Matrix{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    QTest::newRow("swap matrix") << Matrix{{0, 1}, {1, 0}} << QVector<double>{1, -1}
                                 << Matrix{{h, -h}, {h, h}};
    QTest::newRow("tiny off-diagonal kept")
        << Matrix{{2, 5e-7}, {5e-7, 7}} << QVector<double>{7, 2} << Matrix{{0, 1}, {1, 0}};
}

void tst_Eig::smallCases()
{
    QFETCH(Matrix, m);
    QFETCH(QVector<double>, values);
    QFETCH(Matrix, vectors);
    const Eig eig(m, m.size());
    const QVector<double> got = eig.eigvals();
    const Matrix gotVectors = eig.eigvecs();
    QCOMPARE(got.size(), values.size());
    QCOMPARE(gotVectors.size(), vectors.size());
    for (int k = 0; k < values.size(); ++k) {
        FUZZY_COMPARE(got[k], values[k], 1e-15);
        for (int r = 0; r < values.size(); ++r)
            FUZZY_COMPARE(gotVectors[r][k], vectors[r][k], 1e-15);
    }
}

void tst_Eig::thresholdDecidesRotation_data()
{
    QTest::addColumn<Matrix>("m");
    QTest::addColumn<double>("e"); // the off-diagonal magnitude
    QTest::addColumn<bool>("rotated");
    QTest::newRow("2x2 at exactly 1e-6") << Matrix{{0, 1e-6}, {1e-6, 0}} << 1e-6 << true;
    QTest::newRow("2x2 just below") << Matrix{{0, 0.99e-6}, {0.99e-6, 0}} << 0.99e-6 << false;
    QTest::newRow("3x3 beats the first pair")
        << Matrix{{0, 0, 0}, {0, 0, 1.5e-6}, {0, 1.5e-6, 0}} << 1.5e-6 << true;
    QTest::newRow("3x3 does not beat the first pair")
        << Matrix{{0, 0, 0}, {0, 0, 1e-6}, {0, 1e-6, 0}} << 1e-6 << false;
}

void tst_Eig::thresholdDecidesRotation()
{
    QFETCH(Matrix, m);
    QFETCH(double, e);
    QFETCH(bool, rotated);
    const int n = m.size();
    const Eig eig(m, n);
    const QVector<double> values = eig.eigvals();
    // A rotation splits the zero diagonal into +e and -e; without one the diagonal stays 0.
    FUZZY_COMPARE(values.first(), rotated ? e : 0.0, 1e-15);
    FUZZY_COMPARE(values.last(), rotated ? -e : 0.0, 1e-15);
    if (!rotated) {
        QCOMPARE(values, QVector<double>(n, 0.0));
        Matrix identity = square(n);
        for (int i = 0; i < n; ++i)
            identity[i][i] = 1.0;
        QCOMPARE(eig.eigvecs(), identity);
    }
}

void tst_Eig::readsOnlyTopLeftBlock()
{
    qsrand(99);
    const int n = 7;
    Matrix big = randomSymmetric(32, 3.0);
    Matrix block = square(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            block[i][j] = big[i][j];
    const Matrix before = big;
    const Eig fromBig(big, n);
    const Eig fromBlock(block, n);
    QCOMPARE(big, before);
    QCOMPARE(fromBig.eigvals(), fromBlock.eigvals());
    QCOMPARE(fromBig.eigvecs(), fromBlock.eigvecs());
    QCOMPARE(fromBig.eigvals().size(), n);

    // Too small for n: the missing entries count as 0.
    const Eig tooSmall(Matrix{{5, 1}}, 3);
    QCOMPARE(tooSmall.eigvals(), Eig(Matrix{{5, 1, 0}, {0, 0, 0}, {0, 0, 0}}, 3).eigvals());
}

void tst_Eig::indexOutOfRange()
{
    const Eig none(Matrix(), 0);
    QVERIFY(none.eigvec(0).isEmpty());
    QCOMPARE(none.eigval(0), 0.0);
    const Eig two(Matrix{{5, 1}, {1, 5}}, 2);
    QVERIFY(two.eigvec(-1).isEmpty());
    QVERIFY(two.eigvec(2).isEmpty());
    QCOMPARE(two.eigval(-1), 0.0);
    QCOMPARE(two.eigval(2), 0.0);
    FUZZY_COMPARE(two.eigval(1), 4.0, 1e-12);
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
    QTest::newRow("NaN deep pair") << m;
    m = randomSymmetric(16, 1.0);
    m[5][5] = nan;
    QTest::newRow("NaN diagonal") << m;
    QTest::newRow("all NaN") << square(12, nan);
    m = randomSymmetric(32, 1.0);
    m[3][9] = m[9][3] = inf;
    QTest::newRow("infinite pair") << m;
    m = randomSymmetric(32, 1.0);
    m[4][4] = -inf;
    QTest::newRow("infinite diagonal") << m;
    m = randomSymmetric(32, 1e307);
    QTest::newRow("overflowing") << m;
    m = randomSymmetric(64, 1.0);
    m[10][40] = m[40][10] = nan;
    m[2][2] = inf;
    QTest::newRow("mixed n=64") << m;
}

void tst_Eig::nonFiniteInputEnds()
{
    QFETCH(Matrix, m);
    const int n = m.size();
    const Eig eig(m, n);
    QVERIFY(eig.rotations() <= Eig::maxRotations(n));
    QCOMPARE(eig.eigvals().size(), n);
    QCOMPARE(eig.eigvecs().size(), n);
}

void tst_Eig::capStopsRotating_data()
{
    QTest::addColumn<Matrix>("m");
    QTest::addColumn<int>("cap");
    qsrand(555);
    QTest::newRow("no rotation") << randomSymmetric(6, 1.0) << 0;
    QTest::newRow("one rotation") << randomSymmetric(6, 1.0) << 1;
    QTest::newRow("part way n=16") << randomSymmetric(16, 1.0) << 37;
    QTest::newRow("part way n=33") << randomAdjacency(33) << 500;
}

void tst_Eig::capStopsRotating()
{
    QFETCH(Matrix, m);
    QFETCH(int, cap);
    const int n = m.size();
    const PlainJacobi full(m, n);
    QVERIFY(full.rotations > cap);
    const PlainJacobi cut(m, n, cap);
    const Eig eig(m, n, cap);
    QCOMPARE(eig.rotations(), cap);
    QCOMPARE(eig.eigvals(), cut.values);
    QCOMPARE(eig.eigvecs(), cut.vectors);
}

QTEST_APPLESS_MAIN(tst_Eig)
#include "tst_Eig.moc"
