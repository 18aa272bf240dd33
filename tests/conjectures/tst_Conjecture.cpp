#include "conjectures/Conjecture.h"

#include <QtTest>

class tst_Conjecture : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void equality_data();
    void equality();
};

void tst_Conjecture::order_data()
{
    QTest::addColumn<int>("touchA");
    QTest::addColumn<double>("sumA");
    QTest::addColumn<int>("touchB");
    QTest::addColumn<double>("sumB");
    QTest::addColumn<bool>("aLess");
    QTest::addColumn<bool>("bLess");
    QTest::newRow("boundary count first") << 5 << 100.0 << 3 << 0.0 << false << true;
    QTest::newRow("sum larger by 1e-6") << 3 << 0.5 + 1e-6 << 3 << 0.5 << true << false;
    QTest::newRow("sum larger by 0.9e-6") << 3 << 0.5 + 0.9e-6 << 3 << 0.5 << false << false;
}

void tst_Conjecture::order()
{
    QFETCH(int, touchA);
    QFETCH(double, sumA);
    QFETCH(int, touchB);
    QFETCH(double, sumB);
    QFETCH(bool, aLess);
    QFETCH(bool, bLess);
    const Conjecture a("a", {1.0}, 0.0, touchA, sumA, {0});
    const Conjecture b("b", {1.0}, 0.0, touchB, sumB, {0});
    QCOMPARE(a < b, aLess);
    QCOMPARE(b < a, bLess);
}

void tst_Conjecture::equality_data()
{
    QTest::addColumn<QVector<double>>("coefsB");
    QTest::addColumn<int>("touchB");
    QTest::addColumn<double>("sumB");
    QTest::addColumn<bool>("equal");
    // Against coefficients (1, 2), 3 boundary graphs and sum 0.5.
    QTest::newRow("coefficient within 0.9e-6")
        << QVector<double>{1, 2 + 0.9e-6} << 3 << 0.5 << true;
    QTest::newRow("coefficient off by 1.1e-6")
        << QVector<double>{1, 2 + 1.1e-6} << 3 << 0.5 << false;
    QTest::newRow("lengths differ") << QVector<double>{1, 2, 0} << 3 << 0.5 << false;
    QTest::newRow("touching differs") << QVector<double>{1, 2} << 4 << 0.5 << false;
    QTest::newRow("sum within 0.9e-6") << QVector<double>{1, 2} << 3 << 0.5 + 0.9e-6 << true;
    QTest::newRow("sum off by 2e-6") << QVector<double>{1, 2} << 3 << 0.5 + 2e-6 << false;
}

void tst_Conjecture::equality()
{
    QFETCH(QVector<double>, coefsB);
    QFETCH(int, touchB);
    QFETCH(double, sumB);
    QFETCH(bool, equal);
    // Text, offset and boundary graphs take no part.
    const Conjecture a("A", {1, 2}, 1.0, 3, 0.5, {1, 2});
    const Conjecture b("B", coefsB, -7.0, touchB, sumB, {5});
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    const Conjecture nan("N", {qQNaN()}, 0.0, 3, 0.5, {1});
    QVERIFY(!(nan == nan));
}

QTEST_APPLESS_MAIN(tst_Conjecture)
#include "tst_Conjecture.moc"
