#include "numerics/solve.h"

#include "CommonTest.h"

#include <Eigen/Dense>
#include <QtTest>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

class tst_solve : public QObject
{
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void randomSystems();
    void dimensionMismatchThrows();
};

void tst_solve::examples_data()
{
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QVector<double>>("expected");
    QTest::newRow("first variable dropped")
        << Matrix{{1, 2}, {3, 5}} << QVector<double>{4, 9} << QVector<double>{0, 5.0 / 3, 2.0 / 3};
    QTest::newRow("identity") << Matrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}} << QVector<double>{1, 2, 3}
                              << QVector<double>{-2, -1, 0, 3};
    QTest::newRow("empty") << Matrix() << QVector<double>() << QVector<double>{0};
    // The centred pivot is e/2: kept only when strictly above 1e-4.
    QTest::newRow("pivot exactly 1e-4")
        << Matrix{{2e-4, 0}, {0, 0}} << QVector<double>{1, 0} << QVector<double>{0, 0, 0.5};
    QTest::newRow("pivot above") << Matrix{{2.2e-4, 0}, {0, 0}} << QVector<double>{1, 0}
                                 << QVector<double>{1 / 2.2e-4, 0, 0};
}

void tst_solve::examples()
{
    QFETCH(Matrix, a);
    QFETCH(QVector<double>, b);
    QFETCH(QVector<double>, expected);
    const QVector<double> x = solve(a, b);
    QCOMPARE(x.size(), expected.size());
    for (int i = 0; i < x.size(); ++i)
        FUZZY_COMPARE(x[i], expected[i], 1e-9);
}

// A general system has a line of solutions (x, c); the elimination picks the one in which the
// variable it never reached is 0. With that variable removed, [A | 1] is square and Eigen
// gives the unique (x, c) to compare with.
void tst_solve::randomSystems()
{
    qsrand(1234);
    for (int m = 1; m <= 32; ++m) {
        Matrix a(m, QVector<double>(m));
        QVector<double> b(m);
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < m; ++j)
                a[i][j] = 20.0 * qrand() / RAND_MAX - 10.0;
            b[i] = 200.0 * qrand() / RAND_MAX - 100.0;
        }
        const QVector<double> x = solve(a, b);
        QCOMPARE(x.size(), m + 1);
        const int zero = x.indexOf(0.0);
        QVERIFY2(zero >= 0 && zero < m, "one variable must be left at 0");
        Eigen::MatrixXd bordered(m, m);
        Eigen::VectorXd rhs(m);
        for (int i = 0; i < m; ++i) {
            for (int j = 0, col = 0; j < m; ++j)
                if (j != zero)
                    bordered(i, col++) = a[i][j];
            bordered(i, m - 1) = 1.0;
            rhs(i) = b[i];
        }
        const Eigen::VectorXd oracle = bordered.fullPivLu().solve(rhs);
        for (int j = 0; j < m; ++j)
            if (j != zero)
                FUZZY_COMPARE(x[j], oracle(j - (j > zero)), 1e-8);
        FUZZY_COMPARE(x[m], oracle(m - 1), 1e-8);
    }
}

void tst_solve::dimensionMismatchThrows()
{
    const QVector<QPair<Matrix, QVector<double>>> cases{
        {Matrix{{1, 2}}, {1, 2}},         {Matrix{{1}, {2}}, {1}},
        {Matrix{{1, 2}, {3}}, {1, 2}},    {Matrix{{1, 2, 3}, {4, 5}}, {1, 2}},
        {Matrix{{1}}, QVector<double>()}, {Matrix(), {1}}};
    for (const auto &c : cases) {
        int thrown = 0;
        try {
            solve(c.first, c.second);
        } catch (int code) {
            thrown = code;
        }
        QCOMPARE(thrown, 1);
    }
}

QTEST_APPLESS_MAIN(tst_solve)
#include "tst_solve.moc"
