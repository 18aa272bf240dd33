#include "numerics/Random.h"

#include <QtTest>

class tst_Random : public QObject
{
    Q_OBJECT
private slots:
    void oddness();
    void draws();
};

void tst_Random::oddness()
{
    for (int n : {0, 7, -3, -4, INT_MIN, INT_MAX})
        QCOMPARE(is_odd(n), n % 2 != 0);
}

void tst_Random::draws()
{
    // An empty range draws nothing; a range of one still consumes a number.
    qsrand(1234);
    const int first = qrand();
    qsrand(1234);
    QVERIFY(mvx_rand(0) == 0 && mvx_rand(-5) == 0);
    QCOMPARE(qrand(), first);
    qsrand(1234);
    QCOMPARE(mvx_rand(1), 0);
    QVERIFY(qrand() != first);
    qsrand(42);
    QVector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int k = mvx_rand(7);
        QVERIFY(k >= 0 && k < 7);
        ++seen[k];
        const double r = mvx_rand();
        QVERIFY(r >= 0.0 && r <= 1.0);
    }
    for (int c : seen)
        QVERIFY(c > 800 && c < 1200);
}

QTEST_APPLESS_MAIN(tst_Random)
#include "tst_Random.moc"
