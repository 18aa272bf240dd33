#include "numerics/solve.h"

#include "CommonTest.h"

#include <Eigen/Dense>
#include <QtTest>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

namespace
{

double uniform()
{
    return 2.0 * qrand() / RAND_MAX - 1.0;
}

} // namespace

class tst_solve : public QObject
{
    Q_OBJECT
private slots:
    void knownSolutions_data();
    void knownSolutions();
    void randomSystems_data();
    void randomSystems();
    void smallPivotDropped_data();
    void smallPivotDropped();
    void dimensionMismatchThrows_data();
    void dimensionMismatchThrows();
};

void tst_solve::knownSolutions_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QVector<double>>("expected");
    QTest::newRow("first variable dropped")
        << Matrix{{1, 2}, {3, 5}} << QVector<double>{4, 9} << QVector<double>{0, 5.0 / 3, 2.0 / 3};
    QTest::newRow("identity") << Matrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}} << QVector<double>{1, 2, 3}
                              << QVector<double>{-2, -1, 0, 3};
    QTest::newRow("single point") << Matrix{{7}} << QVector<double>{3} << QVector<double>{0, 3};
    QTest::newRow("empty") << Matrix() << QVector<double>() << QVector<double>{0};
}

void tst_solve::knownSolutions()
{
    QFETCH(Matrix, a);
    QFETCH(QVector<double>, b);
    QFETCH(QVector<double>, expected);
    const QVector<double> x = solve(a, b);
    QCOMPARE(x.size(), expected.size());
    for (int i = 0; i < x.size(); ++i)
        FUZZY_COMPARE(x[i], expected[i], 1e-12);
}

void tst_solve::randomSystems_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<QVector<double>>("b");
    qsrand(1234);
    for (int m = 1; m <= 32; ++m) {
        Matrix a(m, QVector<double>(m));
        QVector<double> b(m);
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < m; ++j)
                a[i][j] = 10.0 * uniform();
            b[i] = 100.0 * uniform();
        }
        QTest::newRow(qPrintable(QString("m=%1").arg(m))) << a << b;
    }
}

// A general system has a line of solutions (x, c); the elimination picks the one in which the
// variable it never reached is 0. With that variable removed, [A | 1] is square and Eigen
// gives the unique (x, c) to compare with.
void tst_solve::randomSystems()
{
    QFETCH(Matrix, a);
    QFETCH(QVector<double>, b);
    const int m = b.size();
    const Matrix aBefore = a;
    const QVector<double> x = solve(a, b);
    QCOMPARE(a, aBefore);
    QCOMPARE(x.size(), m + 1);

    int zero = -1;
    for (int j = 0; j < m; ++j)
        if (x[j] == 0.0)
            zero = j;
    QVERIFY2(zero >= 0, "one variable must be left at 0");

    Eigen::MatrixXd bordered(m, m);
    Eigen::VectorXd rhs(m);
    for (int i = 0; i < m; ++i) {
        int col = 0;
        for (int j = 0; j < m; ++j)
            if (j != zero)
                bordered(i, col++) = a[i][j];
        bordered(i, m - 1) = 1.0;
        rhs(i) = b[i];
    }
    const Eigen::VectorXd oracle = bordered.fullPivLu().solve(rhs);
    int col = 0;
    for (int j = 0; j < m; ++j) {
        if (j == zero)
            continue;
        FUZZY_COMPARE(x[j], oracle(col), 1e-8);
        ++col;
    }
    FUZZY_COMPARE(x[m], oracle(m - 1), 1e-8);

    for (int i = 0; i < m; ++i) {
        double fit = x[m];
        for (int j = 0; j < m; ++j)
            fit += a[i][j] * x[j];
        FUZZY_COMPARE(fit, b[i], 1e-8);
    }
}

void tst_solve::smallPivotDropped_data()
{
    QTest::addColumn<double>("e");
    QTest::addColumn<bool>("kept");
    // The centred pivot is e/2: kept only when strictly above 1e-4.
    QTest::newRow("pivot exactly 1e-4") << 2e-4 << false;
    QTest::newRow("pivot below") << 1e-4 << false;
    QTest::newRow("pivot above") << 2.2e-4 << true;
}

void tst_solve::smallPivotDropped()
{
    QFETCH(double, e);
    QFETCH(bool, kept);
    const QVector<double> x = solve(Matrix{{e, 0}, {0, 0}}, QVector<double>{1, 0});
    QCOMPARE(x.size(), 3);
    QCOMPARE(x[1], 0.0);
    if (kept) {
        FUZZY_COMPARE(e * x[0] + x[2], 1.0, 1e-12);
        FUZZY_COMPARE(x[2], 0.0, 1e-12);
    } else {
        QCOMPARE(x[0], 0.0);
        FUZZY_COMPARE(x[2], 0.5, 1e-15);
    }
}

void tst_solve::dimensionMismatchThrows_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::newRow("too few rows") << Matrix{{1, 2}} << QVector<double>{1, 2};
    QTest::newRow("too many rows") << Matrix{{1}, {2}} << QVector<double>{1};
    QTest::newRow("short later row") << Matrix{{1, 2}, {3}} << QVector<double>{1, 2};
    QTest::newRow("long first row") << Matrix{{1, 2, 3}, {4, 5}} << QVector<double>{1, 2};
    QTest::newRow("matrix without vector") << Matrix{{1}} << QVector<double>();
    QTest::newRow("vector without matrix") << Matrix() << QVector<double>{1};
}

void tst_solve::dimensionMismatchThrows()
{
    QFETCH(Matrix, a);
    QFETCH(QVector<double>, b);
    int thrown = 0;
    try {
        solve(a, b);
    } catch (int code) {
        thrown = code;
    }
    QCOMPARE(thrown, 1);
}

QTEST_APPLESS_MAIN(tst_solve)
#include "tst_solve.moc"
