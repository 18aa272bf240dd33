#include "numerics/Random.h"

#include <QtTest>

class tst_Random : public QObject
{
    Q_OBJECT
private slots:
    /// Oddness of signed values; an empty range draws nothing, a range of one still consumes a
    /// number; draws stay in range and spread evenly.
    void draws()
    {
        for (int n : {0, 7, -3, -4, INT_MIN, INT_MAX})
            QCOMPARE(is_odd(n), n % 2 != 0);
        qsrand(1234);
        const int first = qrand();
        qsrand(1234);
        QVERIFY(mvx_rand(0) == 0 && mvx_rand(-5) == 0 && qrand() == first);
        qsrand(1234);
        QVERIFY(mvx_rand(1) == 0 && qrand() != first);
        QVector<int> seen(7, 0);
        for (int i = 0; i < 7000; ++i) {
            const int k = mvx_rand(7);
            const double r = mvx_rand();
            QVERIFY(k >= 0 && k < 7 && r >= 0.0 && r <= 1.0);
            ++seen[k];
        }
        for (int c : seen)
            QVERIFY(c > 800 && c < 1200);
    }
};

QTEST_APPLESS_MAIN(tst_Random)
#include "tst_Random.moc"
