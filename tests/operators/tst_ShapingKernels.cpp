#include "operators/ShapingKernels.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace
{

StoredValue randomValue(int r, int c)
{
    StoredValue v(r, c, {});
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            v.m[i][j] = qrand() % 21 - 10; // repeated values on purpose
    return v;
}

} // namespace

class tst_ShapingKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void indexes_data();
    void indexes();
    void linesAndTranspose();
    void diagonal();
    void sortAgainstStdSort();
    void sortRefusesMatrixAndPutsNaNLast();
};

void tst_ShapingKernels::indexes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected"); // -1 out of range, -2 format error
    QTest::newRow("first") << 1 << 1 << 1.0 << 4 << 0;
    QTest::newRow("last") << 1 << 1 << 4.0 << 4 << 3;
    QTest::newRow("within tolerance") << 1 << 1 << 3.0000005 << 4 << 2;
    QTest::newRow("just below one") << 1 << 1 << 1 - 5e-7 << 4 << 0;
    QTest::newRow("zero") << 1 << 1 << 0.0 << 4 << -1;
    QTest::newRow("beyond") << 1 << 1 << 5.0 << 4 << -1;
    QTest::newRow("negative") << 1 << 1 << -1.0 << 4 << -1;
    QTest::newRow("between two") << 1 << 1 << 2.5 << 4 << -1;
    QTest::newRow("no lines") << 1 << 1 << 1.0 << 0 << -1;
    QTest::newRow("NaN") << 1 << 1 << std::nan("") << 4 << -1;
    QTest::newRow("huge") << 1 << 1 << 1e300 << 32 << -1;
    QTest::newRow("vector index") << 2 << 1 << 1.0 << 4 << -2;
    QTest::newRow("empty index") << 0 << 0 << 1.0 << 4 << -2;
}

void tst_ShapingKernels::indexes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(double, value);
    QFETCH(int, count);
    QFETCH(int, expected);
    const StoredValue index(rows, cols, {value, value});
    int k = -7;
    const OperStatus status = indexFrom(index.block(), count, k);
    if (expected == -2)
        QCOMPARE(status, OperStatus::FormatError);
    else if (expected == -1)
        QCOMPARE(status, OperStatus::IndexOutOfRange);
    else {
        QCOMPARE(status, OperStatus::Ok);
        QCOMPARE(k, expected);
    }
}

void tst_ShapingKernels::linesAndTranspose()
{
    for (int trial = 0; trial < 30; ++trial) {
        const int r = 1 + qrand() % 32, c = 1 + qrand() % 32;
        const StoredValue a = randomValue(r, c);
        const int i0 = qrand() % r, j0 = qrand() % c;
        ValueRows column = markedStore(), row = markedStore(), t = markedStore();
        columnInto(a.block(), j0, column);
        rowInto(a.block(), i0, row);
        transposeInto(a.block(), t);
        for (int i = 0; i < r; ++i) {
            QCOMPARE(column[i][0], a.m[i][j0]);
            for (int j = 0; j < c; ++j)
                QCOMPARE(t[j][i], a.m[i][j]);
        }
        for (int j = 0; j < c; ++j)
            QCOMPARE(row[0][j], a.m[i0][j]);
        QCOMPARE(column[0][1], -4242.0);
        if (r < 32)
            QCOMPARE(row[1][0], -4242.0);
        if (c < 32)
            QCOMPARE(t[c][0], -4242.0);
    }
}

void tst_ShapingKernels::diagonal()
{
    for (const bool asRow : {false, true}) {
        for (int n = 1; n <= 32; n += 5) {
            const StoredValue v = asRow ? randomValue(1, n) : randomValue(n, 1);
            ValueRows out = markedStore();
            bool toMatrix = false;
            QCOMPARE(diagonalInto(v.block(), toMatrix, out), OperStatus::Ok);
            QVERIFY(toMatrix);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    QCOMPARE(out[i][j], i != j ? 0.0 : asRow ? v.m[0][i] : v.m[i][0]);
        }
    }
    const StoredValue square = randomValue(5, 5);
    ValueRows out = markedStore();
    bool toMatrix = true;
    QCOMPARE(diagonalInto(square.block(), toMatrix, out), OperStatus::Ok);
    QVERIFY(!toMatrix);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(out[i][0], square.m[i][i]);
    QCOMPARE(out[0][1], -4242.0);
    QCOMPARE(diagonalInto(randomValue(2, 3).block(), toMatrix, out), OperStatus::FormatError);
}

void tst_ShapingKernels::sortAgainstStdSort()
{
    for (int trial = 0; trial < 40; ++trial) {
        const int n = 1 + qrand() % 32;
        const bool asRow = trial % 2;
        const StoredValue v = asRow ? randomValue(1, n) : randomValue(n, 1);
        std::vector<double> expected;
        for (int k = 0; k < n; ++k)
            expected.push_back(asRow ? v.m[0][k] : v.m[k][0]);
        std::sort(expected.begin(), expected.end(), std::greater<double>());
        ValueRows out = markedStore();
        QCOMPARE(sortedInto(v.block(), out), OperStatus::Ok);
        for (int k = 0; k < n; ++k)
            QCOMPARE(asRow ? out[0][k] : out[k][0], expected[k]);
        QCOMPARE(asRow ? out[1][0] : out[0][1], -4242.0);
    }
}

void tst_ShapingKernels::sortRefusesMatrixAndPutsNaNLast()
{
    ValueRows out = markedStore();
    QCOMPARE(sortedInto(randomValue(2, 2).block(), out), OperStatus::FormatError);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const StoredValue v(1, 6, {2, nan, 5, nan, -1, 5});
    QCOMPARE(sortedInto(v.block(), out), OperStatus::Ok);
    QCOMPARE(out[0][0], 5.0);
    QCOMPARE(out[0][1], 5.0);
    QCOMPARE(out[0][2], 2.0);
    QCOMPARE(out[0][3], -1.0);
    QVERIFY(std::isnan(out[0][4]) && std::isnan(out[0][5]));
}

QTEST_APPLESS_MAIN(tst_ShapingKernels)
#include "tst_ShapingKernels.moc"
