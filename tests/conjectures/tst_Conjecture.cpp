#include "conjectures/Conjecture.h"

#include <QtTest>

namespace
{
Conjecture make(int touching, double sumErr, QVector<double> coefs = {1.0, -2.0},
                double offset = 3.0, QString text = QStringLiteral("t"), QVector<int> support = {0})
{
    return Conjecture(text, coefs, offset, touching, sumErr, support);
}
} // namespace

class tst_Conjecture : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void equality_data();
    void equality();
    void copyOutlivesOriginal();
};

void tst_Conjecture::order_data()
{
    QTest::addColumn<int>("touchA");
    QTest::addColumn<double>("sumA");
    QTest::addColumn<int>("touchB");
    QTest::addColumn<double>("sumB");
    QTest::addColumn<bool>("aLess");
    QTest::addColumn<bool>("bLess");
    QTest::newRow("more boundary graphs, larger sum") << 5 << 100.0 << 3 << 0.0 << false << true;
    QTest::newRow("fewer boundary graphs, smaller sum") << 2 << 0.0 << 3 << 9.0 << true << false;
    QTest::newRow("sum larger by 1e-6") << 3 << 0.5 + 1e-6 << 3 << 0.5 << true << false;
    QTest::newRow("sum larger by 0.9e-6") << 3 << 0.5 + 0.9e-6 << 3 << 0.5 << false << false;
    QTest::newRow("identical scores") << 3 << 0.5 << 3 << 0.5 << false << false;
    QTest::newRow("sum clearly larger") << 1 << 2.0 << 1 << 1.0 << true << false;
}

void tst_Conjecture::order()
{
    QFETCH(int, touchA);
    QFETCH(double, sumA);
    QFETCH(int, touchB);
    QFETCH(double, sumB);
    QFETCH(bool, aLess);
    QFETCH(bool, bLess);
    const Conjecture a = make(touchA, sumA);
    const Conjecture b = make(touchB, sumB);
    QCOMPARE(a < b, aLess);
    QCOMPARE(b < a, bLess);
}

void tst_Conjecture::equality_data()
{
    QTest::addColumn<QVector<double>>("coefsA");
    QTest::addColumn<QVector<double>>("coefsB");
    QTest::addColumn<int>("touchB");
    QTest::addColumn<double>("sumB");
    QTest::addColumn<bool>("equal");
    // Record A always has touching 3 and sum 0.5.
    QTest::newRow("same") << QVector<double>{1, 2} << QVector<double>{1, 2} << 3 << 0.5 << true;
    QTest::newRow("coefficient within 0.9e-6")
        << QVector<double>{1, 2} << QVector<double>{1, 2 + 0.9e-6} << 3 << 0.5 << true;
    QTest::newRow("coefficient off by 1.1e-6")
        << QVector<double>{1, 2} << QVector<double>{1, 2 + 1.1e-6} << 3 << 0.5 << false;
    QTest::newRow("lengths differ")
        << QVector<double>{1, 2} << QVector<double>{1, 2, 0} << 3 << 0.5 << false;
    QTest::newRow("both empty") << QVector<double>{} << QVector<double>{} << 3 << 0.5 << true;
    QTest::newRow("touching differs")
        << QVector<double>{1, 2} << QVector<double>{1, 2} << 4 << 0.5 << false;
    QTest::newRow("sum within 0.9e-6")
        << QVector<double>{1, 2} << QVector<double>{1, 2} << 3 << 0.5 + 0.9e-6 << true;
    QTest::newRow("sum off by 2e-6")
        << QVector<double>{1, 2} << QVector<double>{1, 2} << 3 << 0.5 + 2e-6 << false;
    QTest::newRow("NaN coefficient")
        << QVector<double>{qQNaN()} << QVector<double>{qQNaN()} << 3 << 0.5 << false;
}

void tst_Conjecture::equality()
{
    QFETCH(QVector<double>, coefsA);
    QFETCH(QVector<double>, coefsB);
    QFETCH(int, touchB);
    QFETCH(double, sumB);
    QFETCH(bool, equal);
    // Text, offset and boundary graphs take no part.
    const Conjecture a = make(3, 0.5, coefsA, 1.0, QStringLiteral("A"), {1, 2});
    const Conjecture b = make(touchB, sumB, coefsB, -7.0, QStringLiteral("B"), {5});
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
}

void tst_Conjecture::copyOutlivesOriginal()
{
    // Offset before touching, sum of squared slacks after it.
    Conjecture *original =
        new Conjecture(QStringLiteral("1 x <= 2"), {0.25, 0.5}, 2.5, 2, 0.75, {4, 6});
    const Conjecture copy(original);
    delete original;
    QCOMPARE(copy.getFormula(), QStringLiteral("1 x <= 2"));
    QCOMPARE(copy.getCoefs(), QVector<double>({0.25, 0.5}));
    QCOMPARE(copy.getOffset(), 2.5);
    QCOMPARE(copy.getTouching(), 2);
    QCOMPARE(copy.getSumErr(), 0.75);
    QCOMPARE(copy.getSupport(), QVector<int>({4, 6}));

    Conjecture assigned = make(9, 9.0);
    assigned = copy;
    QCOMPARE(assigned.getFormula(), copy.getFormula());
    QCOMPARE(assigned.getSupport(), copy.getSupport());
    QCOMPARE(assigned.getOffset(), copy.getOffset());
}

QTEST_APPLESS_MAIN(tst_Conjecture)
#include "tst_Conjecture.moc"
