#include "operators/ArithmeticKernels.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>
#include <limits>

namespace
{

StoredValue randomValue(int r, int c, double spread = 10.0)
{
    StoredValue v(r, c, {});
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            v.m[i][j] = ((qrand() % 2001) / 1000.0 - 1.0) * spread;
    return v;
}

} // namespace

class tst_ArithmeticKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void broadcastBothWays();
    void quotientNearZero_data();
    void quotientNearZero();
    void productAgreesWithEigen();
    void centerAgainstMean();
    void overflowStaysFinite();
};

// Every combination against the same arithmetic written out here, with a 1 x 1 argument on
// either side and the untouched cells of the store left as they were.
void tst_ArithmeticKernels::broadcastBothWays()
{
    const struct {
        Combine f;
        double (*oracle)(double, double);
    } cases[] = {
        {&plusOf, [](double a, double b) { return a + b; }},
        {&minusOf, [](double a, double b) { return a - b; }},
        {&timesOf, [](double a, double b) { return a * b; }},
        {&quotientOf, [](double a, double b) { return b == 0 ? 1e12 : a / b; }},
        {&largerOf, [](double a, double b) { return std::fmax(a, b); }},
        {&smallerOf, [](double a, double b) { return std::fmin(a, b); }},
    };
    for (const auto &c : cases) {
        for (int trial = 0; trial < 20; ++trial) {
            const int r = 1 + qrand() % 32, cols = 1 + qrand() % 32;
            const StoredValue a = randomValue(r, cols), b = randomValue(r, cols),
                              s = randomValue(1, 1);
            const ValueBlock ab = a.block(), bb = b.block(), sb = s.block();
            const ValueBlock *same[2] = {&ab, &bb};
            const ValueBlock *left[2] = {&sb, &bb};
            const ValueBlock *right[2] = {&ab, &sb};
            ValueRows outSame = markedStore(), outLeft = markedStore(), outRight = markedStore();
            broadcastInto(same, 2, r, cols, c.f, outSame);
            broadcastInto(left, 2, r, cols, c.f, outLeft);
            broadcastInto(right, 2, r, cols, c.f, outRight);
            for (int i = 0; i < r; ++i)
                for (int j = 0; j < cols; ++j) {
                    FUZZY_COMPARE(outSame[i][j], c.oracle(a.m[i][j], b.m[i][j]), 1e-12);
                    FUZZY_COMPARE(outLeft[i][j], c.oracle(s.m[0][0], b.m[i][j]), 1e-12);
                    FUZZY_COMPARE(outRight[i][j], c.oracle(a.m[i][j], s.m[0][0]), 1e-12);
                }
            if (cols < 32)
                QCOMPARE(outSame[0][cols], -4242.0);
            if (r < 32)
                QCOMPARE(outLeft[r][0], -4242.0);
        }
    }
}

void tst_ArithmeticKernels::quotientNearZero_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero") << 5.0 << 0.0 << 1e12;
    QTest::newRow("negative zero") << -5.0 << -0.0 << 1e12;
    QTest::newRow("zero by zero") << 0.0 << 0.0 << 1e12;
    QTest::newRow("at the bound") << 1.0 << -1e-12 << 1e12;
    QTest::newRow("just beyond") << 1e-12 << 2e-12 << 0.5;
    QTest::newRow("ordinary") << -7.0 << 2.0 << -3.5;
}

void tst_ArithmeticKernels::quotientNearZero()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(double, expected);
    const double x[2] = {dividend, divisor};
    QCOMPARE(quotientOf(x), expected);
}

void tst_ArithmeticKernels::productAgreesWithEigen()
{
    for (int trial = 0; trial < 40; ++trial) {
        const int r = 1 + qrand() % 32, k = 1 + qrand() % 32, c = 1 + qrand() % 32;
        const StoredValue a = randomValue(r, k), b = randomValue(k, c);
        Eigen::MatrixXd ea(r, k), eb(k, c);
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < k; ++j)
                ea(i, j) = a.m[i][j];
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < c; ++j)
                eb(i, j) = b.m[i][j];
        const Eigen::MatrixXd expected = ea * eb;
        ValueRows out = markedStore();
        matrixProduct(a.block(), b.block(), out);
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j)
                FUZZY_COMPARE(out[i][j], expected(i, j), 1e-10);
        if (c < 32)
            QCOMPARE(out[0][c], -4242.0);
    }
}

void tst_ArithmeticKernels::centerAgainstMean()
{
    for (int trial = 0; trial < 30; ++trial) {
        const int r = 1 + qrand() % 32, c = 1 + qrand() % 32;
        const StoredValue a = randomValue(r, c, 1000.0);
        long double total = 0;
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j)
                total += a.m[i][j];
        const double mean = double(total / (r * c));
        ValueRows out = markedStore();
        centerInto(a.block(), out);
        double sum = 0;
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j) {
                FUZZY_COMPARE(out[i][j], a.m[i][j] - mean, 1e-9);
                sum += out[i][j];
            }
        QVERIFY(std::fabs(sum) < 1e-7);
    }
}

void tst_ArithmeticKernels::overflowStaysFinite()
{
    const double big = std::numeric_limits<double>::max();
    const StoredValue a(1, 2, {big, -big});
    const StoredValue b(1, 2, {big, big});
    const ValueBlock ab = a.block(), bb = b.block();
    const ValueBlock *pair[2] = {&ab, &bb};
    ValueRows out = markedStore();
    broadcastInto(pair, 2, 1, 2, &plusOf, out);
    QCOMPARE(out[0][0], 1e12);
    QCOMPARE(out[0][1], 0.0);
    broadcastInto(pair, 2, 1, 2, &timesOf, out);
    QCOMPARE(out[0][1], -1e12);
    // Partial sums overflowing both ways would make NaN.
    const StoredValue row(1, 2, {big, big});
    const StoredValue col(2, 1, {big, -big});
    matrixProduct(row.block(), col.block(), out);
    QCOMPARE(out[0][0], 1e12);
    centerInto(StoredValue(1, 2, {big, -big}).block(), out);
    QCOMPARE(out[0][0], big);
    QCOMPARE(out[0][1], -big);
    centerInto(StoredValue(1, 3, {big, -big, -big}).block(), out);
    QCOMPARE(out[0][0], 1e12);
    QCOMPARE(bounded(std::numeric_limits<double>::quiet_NaN()), 1e12);
    QCOMPARE(bounded(-std::numeric_limits<double>::infinity()), -1e12);
}

QTEST_APPLESS_MAIN(tst_ArithmeticKernels)
#include "tst_ArithmeticKernels.moc"
