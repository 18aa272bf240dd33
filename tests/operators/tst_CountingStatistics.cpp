#include "operators/CountingStatistics.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_CountingStatistics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void thresholdsAndCounts_data();
    void thresholdsAndCounts();
    void distinctValuesAgreeWithScan();
};

void tst_CountingStatistics::thresholdsAndCounts_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("value"); // threshold of the sum, centre of the count
    QTest::addColumn<double>("eps");
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("count");
    QTest::newRow("zero, 1e-6") << QVector<double>{0, 5e-7, -5e-7, 1e-6, 1, -3} << 0.0 << 1e-6
                                << 1 + 1e-6 << 3.0;
    QTest::newRow("threshold 2") << QVector<double>{1, 2, 3, 2 - 5e-7, 2 - 2e-6} << 2.0 << 0.5
                                 << 7 - 5e-7 << 3.0;
    QTest::newRow("eps 0.5 strict") << QVector<double>{0.4, -0.5, 0.6} << 0.0 << 0.5 << 1.0 << 1.0;
    QTest::newRow("eps 0") << QVector<double>{0, 0} << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("not a number") << QVector<double>{qQNaN(), 2} << 2.0 << 1e-6 << 2.0 << 1.0;
    QTest::newRow("no entry") << QVector<double>{} << 0.0 << 1.0 << 0.0 << 0.0;
}

void tst_CountingStatistics::thresholdsAndCounts()
{
    QFETCH(QVector<double>, entries);
    QFETCH(double, value);
    QFETCH(double, eps);
    QFETCH(double, sum);
    QFETCH(double, count);
    // The same entries as a row and as a column.
    for (const StoredValue &a : {stored(1, entries.size(), entries), column(entries)}) {
        FUZZY_COMPARE(sumAtLeast(a.block(), value), sum, 1e-12);
        QCOMPARE(countNear(a.block(), value, eps), count);
    }
}

// Every entry, row-major, against the representatives found before it, as a plain list.
void tst_CountingStatistics::distinctValuesAgreeWithScan()
{
    const double specials[] = {qInf(), -qInf(), qQNaN(), 0.0, -0.0};
    for (int trial = 0; trial < 300; ++trial) {
        const int r = 1 + qrand() % 32, c = 1 + qrand() % 32;
        // A grid of 4e-7: many chains of near neighbours, so the order matters.
        const int spread = 1 + qrand() % 60;
        QVector<double> entries, representatives;
        for (int k = 0; k < r * c; ++k)
            entries << (qrand() % 50 == 0 ? specials[qrand() % 5]
                                          : (qrand() % spread) * 4e-7 + (trial % 3) * 1e6);
        for (double x : entries) {
            bool matched = false;
            for (double y : representatives)
                matched = matched || 1e-6 > std::fabs(y - x);
            if (!matched)
                representatives << x;
        }
        QCOMPARE(countDistinct(stored(r, c, entries).block()), double(representatives.size()));
    }
}

QTEST_APPLESS_MAIN(tst_CountingStatistics)
#include "tst_CountingStatistics.moc"
