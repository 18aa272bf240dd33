#include "numerics/Random.h"

#include <QtTest>

class tst_Random : public QObject
{
    Q_OBJECT
private slots:
    void oddness_data();
    void oddness();
    void emptyRangeDrawsNothing();
    void integerDrawsStayInRange();
};

void tst_Random::oddness_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("odd");
    QTest::newRow("zero") << 0 << false;
    QTest::newRow("seven") << 7 << true;
    QTest::newRow("minus three") << -3 << true;
    QTest::newRow("minus four") << -4 << false;
    QTest::newRow("int min") << INT_MIN << false;
}

void tst_Random::oddness()
{
    QFETCH(int, n);
    QFETCH(bool, odd);
    QCOMPARE(is_odd(n), odd);
}

void tst_Random::emptyRangeDrawsNothing()
{
    qsrand(1234);
    const int first = qrand();
    qsrand(1234);
    QCOMPARE(mvx_rand(0), 0);
    QCOMPARE(mvx_rand(-5), 0);
    QCOMPARE(qrand(), first);
    qsrand(1234);
    QCOMPARE(mvx_rand(1), 0);
    QVERIFY(qrand() != first); // one number was consumed
}

void tst_Random::integerDrawsStayInRange()
{
    qsrand(42);
    QVector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int k = mvx_rand(7);
        QVERIFY(k >= 0 && k < 7);
        ++seen[k];
    }
    for (int c : seen)
        QVERIFY(c > 800 && c < 1200);
    for (int i = 0; i < 1000; ++i) {
        const double r = mvx_rand();
        QVERIFY(r >= 0.0 && r <= 1.0);
    }
}

QTEST_APPLESS_MAIN(tst_Random)
#include "tst_Random.moc"
