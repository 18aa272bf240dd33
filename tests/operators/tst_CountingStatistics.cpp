#include "operators/CountingStatistics.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <QtTest>
#include <limits>

class tst_CountingStatistics : public QObject
{
    Q_OBJECT
private slots:
    void thresholdedSum_data();
    void thresholdedSum();
    void countNearValue_data();
    void countNearValue();
    void countsPerReference();
    void distinctValues_data();
    void distinctValues();
    void distinctValuesAgreeWithScan();
    void varianceIsPopulationVariance_data();
    void varianceIsPopulationVariance();
    void varianceAgreesWithMomentsOracle();
    void palindromicDistance_data();
    void palindromicDistance();
};

void tst_CountingStatistics::thresholdedSum_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("expected");
    QTest::newRow("default bound") << 4 << QVector<double>{2, -3, 0, -5e-7} << 0.0 << 2 - 5e-7;
    QTest::newRow("threshold 2") << 4 << QVector<double>{1, 2, 3, 2 - 5e-7} << 2.0 << 7 - 5e-7;
    QTest::newRow("just outside") << 2 << QVector<double>{2 - 2e-6, 5} << 2.0 << 5.0;
    QTest::newRow("no rows") << 0 << QVector<double>{} << 0.0 << 0.0;
    QTest::newRow("not a number") << 2
                                  << QVector<double>{std::numeric_limits<double>::quiet_NaN(), 1}
                                  << 0.0 << 1.0;
}

void tst_CountingStatistics::thresholdedSum()
{
    QFETCH(int, rows);
    QFETCH(QVector<double>, entries);
    QFETCH(double, threshold);
    QFETCH(double, expected);
    StoredValue a(rows, 1, {});
    for (int i = 0; i < rows; ++i)
        a.m[i][0] = entries[i];
    QCOMPARE(sumAtLeast(a.block(), threshold), expected);
}

void tst_CountingStatistics::countNearValue_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("eps");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero, 1e-6") << QVector<double>{0, 5e-7, -5e-7, 1e-6, 1} << 0.0 << 1e-6 << 3.0;
    QTest::newRow("eps 0.5") << QVector<double>{0.4, -0.5, 0.6} << 0.0 << 0.5 << 1.0;
    QTest::newRow("eps 0") << QVector<double>{0, 0, 0} << 0.0 << 0.0 << 0.0;
    QTest::newRow("eps negative") << QVector<double>{0, 0} << 0.0 << -1.0 << 0.0;
    QTest::newRow("not a number") << QVector<double>{std::numeric_limits<double>::quiet_NaN(), 2}
                                  << 2.0 << 1e-6 << 1.0;
}

void tst_CountingStatistics::countNearValue()
{
    QFETCH(QVector<double>, entries);
    QFETCH(double, value);
    QFETCH(double, eps);
    QFETCH(double, expected);
    // The same entries as a row and as a column.
    StoredValue row(1, entries.size(), {}), col(entries.size(), 1, {});
    for (int k = 0; k < entries.size(); ++k)
        row.m[0][k] = col.m[k][0] = entries[k];
    QCOMPARE(countNear(row.block(), value, eps), expected);
    QCOMPARE(countNear(col.block(), value, eps), expected);
}

void tst_CountingStatistics::countsPerReference()
{
    const StoredValue a(2, 2, {1, 1, 2, 5});
    const StoredValue column(3, 1, {1, 2, 3});
    ValueRows out = markedStore();
    countNearEach(a.block(), column.block(), 1e-6, out);
    QCOMPARE(out[0][0], 2.0);
    QCOMPARE(out[1][0], 1.0);
    QCOMPARE(out[2][0], 0.0);
    QCOMPARE(out[0][1], -4242.0);
    QCOMPARE(out[3][0], -4242.0);

    const StoredValue grid(2, 3, {1, 2, 3, 5, 5, 7});
    out = markedStore();
    countNearEach(a.block(), grid.block(), 1e-6, out);
    const double expected[2][3] = {{2, 1, 0}, {1, 1, 0}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            QCOMPARE(out[i][j], expected[i][j]);
}

void tst_CountingStatistics::distinctValues_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 1 2 2 3") << QVector<double>{1, 1, 2, 2, 3} << 3.0;
    QTest::newRow("single") << QVector<double>{4} << 1.0;
    // Closeness is not transitive: the first value of a group is its only representative.
    QTest::newRow("0 9e-7 1.8e-6") << QVector<double>{0, 9e-7, 1.8e-6} << 2.0;
    QTest::newRow("9e-7 0 1.8e-6") << QVector<double>{9e-7, 0, 1.8e-6} << 1.0;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("two NaN") << QVector<double>{nan, nan, 1} << 3.0;
}

void tst_CountingStatistics::distinctValues()
{
    QFETCH(QVector<double>, entries);
    QFETCH(double, expected);
    StoredValue a(1, entries.size(), {});
    for (int k = 0; k < entries.size(); ++k)
        a.m[0][k] = entries[k];
    QCOMPARE(countDistinct(a.block()), expected);
}

// Every entry compared with every representative found before it, as a plain list.
void tst_CountingStatistics::distinctValuesAgreeWithScan()
{
    qsrand(1234);
    const double inf = std::numeric_limits<double>::infinity();
    const double specials[] = {inf, -inf, std::numeric_limits<double>::quiet_NaN(), 0.0, -0.0};
    for (int trial = 0; trial < 300; ++trial) {
        const int r = 1 + qrand() % 32, c = 1 + qrand() % 32;
        // Values on a grid of 4e-7 over a few units: many chains of near neighbours.
        const int spread = 1 + qrand() % 60;
        StoredValue a(r, c, {});
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j)
                a.m[i][j] = qrand() % 50 == 0 ? specials[qrand() % 5]
                                              : (qrand() % spread) * 4e-7 + (trial % 3) * 1e6;
        QVector<double> representatives;
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j) {
                bool matched = false;
                for (double y : representatives)
                    if (1e-6 > std::fabs(y - a.m[i][j]))
                        matched = true;
                if (!matched)
                    representatives << a.m[i][j];
            }
        QCOMPARE(countDistinct(a.block()), double(representatives.size()));
    }
}

void tst_CountingStatistics::varianceIsPopulationVariance_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 2 3 4") << 4 << 1 << QVector<double>{1, 2, 3, 4} << 1.25;
    QTest::newRow("eight values") << 1 << 8 << QVector<double>{2, 4, 4, 4, 5, 5, 7, 9} << 4.0;
    QTest::newRow("single") << 1 << 1 << QVector<double>{3} << 0.0;
    QTest::newRow("2x2 as one list") << 2 << 2 << QVector<double>{1, 2, 3, 4} << 1.25;
}

void tst_CountingStatistics::varianceIsPopulationVariance()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(double, expected);
    StoredValue a(rows, cols, {});
    for (int k = 0; k < entries.size(); ++k)
        a.m[k / cols][k % cols] = entries[k];
    FUZZY_COMPARE(populationVariance(a.block()), expected, 1e-12);
}

// E[x^2] - E[x]^2 on small integers is exact enough to serve as an independent oracle.
void tst_CountingStatistics::varianceAgreesWithMomentsOracle()
{
    qsrand(1234);
    for (int trial = 0; trial < 100; ++trial) {
        const int r = 1 + qrand() % 32, c = 1 + qrand() % 32;
        StoredValue a(r, c, {});
        long long s1 = 0, s2 = 0;
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j) {
                const int x = qrand() % 41 - 20;
                a.m[i][j] = x;
                s1 += x;
                s2 += x * x;
            }
        const double n = r * c;
        const double oracle = (n * s2 - double(s1) * s1) / (n * n);
        FUZZY_COMPARE(populationVariance(a.block()), oracle, 1e-9);
    }
}

void tst_CountingStatistics::palindromicDistance_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("expected");
    const int ok = int(OperStatus::Ok);
    QTest::newRow("row 1 2 3") << 1 << 3 << QVector<double>{1, 2, 3} << ok << 2.0;
    QTest::newRow("column 1 2 3") << 3 << 1 << QVector<double>{1, 2, 3} << ok << 2.0;
    QTest::newRow("1 2 3 4") << 1 << 4 << QVector<double>{1, 2, 3, 4} << ok << 4.0;
    QTest::newRow("1 2 2 1") << 4 << 1 << QVector<double>{1, 2, 2, 1} << ok << 0.0;
    QTest::newRow("pair") << 2 << 1 << QVector<double>{5, -1} << ok << 6.0;
    QTest::newRow("single") << 1 << 1 << QVector<double>{1} << int(OperStatus::SingleValue) << 0.0;
    QTest::newRow("2x2") << 2 << 2 << QVector<double>{1, 2, 2, 1} << int(OperStatus::NotVector)
                         << 0.0;
    QTest::newRow("empty") << 0 << 3 << QVector<double>{} << int(OperStatus::ArgumentError) << 0.0;
}

void tst_CountingStatistics::palindromicDistance()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(int, status);
    QFETCH(double, expected);
    StoredValue a(rows, cols, {});
    for (int k = 0; k < entries.size(); ++k)
        a.m[k / cols][k % cols] = entries[k];
    double d = -1;
    QCOMPARE(int(distanceToPalindrome(a.block(), d)), status);
    if (status == int(OperStatus::Ok))
        QCOMPARE(d, expected);
    else
        QCOMPARE(d, -1.0);
}

QTEST_APPLESS_MAIN(tst_CountingStatistics)
#include "tst_CountingStatistics.moc"
