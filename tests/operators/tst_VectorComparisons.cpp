#include "operators/VectorComparisons.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <QtTest>
#include <cmath>

class tst_VectorComparisons : public QObject
{
    Q_OBJECT
private slots:
    void cosine_data();
    void cosine();
    void cosineAgreesWithAngleOracle();
    void distancesAndProducts_data();
    void distancesAndProducts();
};

void tst_VectorComparisons::cosine_data()
{
    QTest::addColumn<QVector<double>>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("expected");
    const int ok = int(OperStatus::Ok), div0 = int(OperStatus::DivisionByZero);
    QTest::newRow("orthogonal") << QVector<double>{1, 0} << QVector<double>{0, 1} << ok << 0.0;
    QTest::newRow("not centred") << QVector<double>{1, 2, 3} << QVector<double>{3, 2, 1} << ok
                                 << 10.0 / 14.0;
    QTest::newRow("positive multiple")
        << QVector<double>{1, 2, 3} << QVector<double>{2, 4, 6} << ok << 1.0;
    QTest::newRow("negative multiple")
        << QVector<double>{1, 2, 3} << QVector<double>{-3, -6, -9} << ok << -1.0;
    QTest::newRow("same sign singles") << QVector<double>{2} << QVector<double>{5} << ok << 1.0;
    QTest::newRow("opposite singles") << QVector<double>{2} << QVector<double>{-5} << ok << -1.0;
    QTest::newRow("zero single") << QVector<double>{0} << QVector<double>{5} << div0 << 0.0;
    QTest::newRow("tiny norms") << QVector<double>{1e-4, 0} << QVector<double>{0, 1e-3} << div0
                                << 0.0;
    // Beyond the 0.999999 clamp: (1, 1e-3) and (1, 0) have cosine 1 - 5e-7.
    QTest::newRow("clamped") << QVector<double>{1, 1e-3} << QVector<double>{1, 0} << ok << 1.0;
    QTest::newRow("below clamp") << QVector<double>{1, 2e-3} << QVector<double>{1, 0} << ok
                                 << 1.0 / std::sqrt(1 + 4e-6);
}

void tst_VectorComparisons::cosine()
{
    QFETCH(QVector<double>, a);
    QFETCH(QVector<double>, b);
    QFETCH(int, status);
    QFETCH(double, expected);
    StoredValue va(a.size(), 1, {}), vb(b.size(), 1, {});
    for (int k = 0; k < a.size(); ++k) {
        va.m[k][0] = a[k];
        vb.m[k][0] = b[k];
    }
    double c = 99;
    QCOMPARE(int(cosineBetween(va.block(), vb.block(), c)), status);
    FUZZY_COMPARE(c, expected, 1e-12);
}

// The angle between random vectors from the law of cosines: |a-b|^2 = |a|^2 + |b|^2 - 2|a||b|cos.
void tst_VectorComparisons::cosineAgreesWithAngleOracle()
{
    qsrand(1234);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + qrand() % 32;
        const bool asRow = trial % 2;
        StoredValue a(asRow ? 1 : n, asRow ? n : 1, {}), b(asRow ? 1 : n, asRow ? n : 1, {});
        double na = 0, nb = 0, nd = 0;
        for (int k = 0; k < n; ++k) {
            const double x = qrand() % 2001 / 100.0 - 10, y = qrand() % 2001 / 100.0 - 10;
            (asRow ? a.m[0][k] : a.m[k][0]) = x;
            (asRow ? b.m[0][k] : b.m[k][0]) = y;
            na += x * x;
            nb += y * y;
            nd += (x - y) * (x - y);
        }
        if (na * nb < 1e-9)
            continue;
        double oracle = (na + nb - nd) / (2 * std::sqrt(na) * std::sqrt(nb));
        if (std::fabs(oracle) > 0.9999985)
            continue; // too near the clamp to tell rounding from clamping
        double c;
        QCOMPARE(int(cosineBetween(a.block(), b.block(), c)), int(OperStatus::Ok));
        FUZZY_COMPARE(c, oracle, 1e-9);
        FUZZY_COMPARE(euclideanDistance(a.block(), b.block()), std::sqrt(nd), 1e-9);
    }
}

void tst_VectorComparisons::distancesAndProducts_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<double>("euclid");
    QTest::addColumn<double>("manhattan");
    QTest::addColumn<double>("product");
    QTest::newRow("columns") << 3 << 1 << QVector<double>{1, 2, 3} << QVector<double>{4, 5, 6}
                             << std::sqrt(27.0) << 9.0 << 32.0;
    QTest::newRow("3x3") << 3 << 3 << QVector<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}
                         << QVector<double>{0, 2, 0, 0, 0, 0, 3, 0, -1} << std::sqrt(19.0) << 9.0
                         << -1.0;
    QTest::newRow("equal") << 1 << 2 << QVector<double>{-1, 7} << QVector<double>{-1, 7} << 0.0
                           << 0.0 << 50.0;
}

void tst_VectorComparisons::distancesAndProducts()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, a);
    QFETCH(QVector<double>, b);
    QFETCH(double, euclid);
    QFETCH(double, manhattan);
    QFETCH(double, product);
    StoredValue va(rows, cols, {}), vb(rows, cols, {});
    for (int k = 0; k < a.size(); ++k) {
        va.m[k / cols][k % cols] = a[k];
        vb.m[k / cols][k % cols] = b[k];
    }
    FUZZY_COMPARE(euclideanDistance(va.block(), vb.block()), euclid, 1e-14);
    QCOMPARE(manhattanDistance(va.block(), vb.block()), manhattan);
    QCOMPARE(sumOfProducts(va.block(), vb.block()), product);
}

QTEST_APPLESS_MAIN(tst_VectorComparisons)
#include "tst_VectorComparisons.moc"
