#include "operators/MatrixReductions.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <QtTest>
#include <limits>

class tst_MatrixReductions : public QObject
{
    Q_OBJECT
private slots:
    void wholeReductions_data();
    void wholeReductions();
    void columnAndRowReductions_data();
    void columnAndRowReductions();
    void notANumber();
};

void tst_MatrixReductions::wholeReductions_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("min");
    QTest::newRow("2x2") << 2 << 2 << QVector<double>{1, 2, 3, 4} << 10.0 << 4.0 << 1.0;
    QTest::newRow("single") << 1 << 1 << QVector<double>{-2.5} << -2.5 << -2.5 << -2.5;
    QTest::newRow("all below -1e12")
        << 1 << 2 << QVector<double>{-5e12, -2e12} << -7e12 << -1e12 << -5e12;
    QTest::newRow("all above 1e12")
        << 2 << 1 << QVector<double>{5e12, 2e12} << 7e12 << 5e12 << 1e12;
    QTest::newRow("equal to 1e12") << 1 << 1 << QVector<double>{1e12} << 1e12 << 1e12 << 1e12;
    QTest::newRow("column 3x1") << 3 << 1 << QVector<double>{1, -2, 3} << 2.0 << 3.0 << -2.0;
}

static StoredValue fromVector(int rows, int cols, const QVector<double> &entries)
{
    StoredValue v(rows, cols, {});
    for (int k = 0; k < entries.size(); ++k)
        v.m[k / cols][k % cols] = entries[k];
    return v;
}

void tst_MatrixReductions::wholeReductions()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(double, sum);
    QFETCH(double, max);
    QFETCH(double, min);
    const StoredValue a = fromVector(rows, cols, entries);
    QCOMPARE(reduceSum(a.block()), sum);
    QCOMPARE(reduceMax(a.block()), max);
    QCOMPARE(reduceMin(a.block()), min);
}

void tst_MatrixReductions::columnAndRowReductions_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<QVector<double>>("sumCol");
    QTest::addColumn<QVector<double>>("sumRow");
    QTest::addColumn<QVector<double>>("maxCol");
    QTest::addColumn<QVector<double>>("maxRow");
    QTest::newRow("2x2") << 2 << 2 << QVector<double>{1, 2, 3, 4} << QVector<double>{4, 6}
                         << QVector<double>{3, 7} << QVector<double>{3, 4} << QVector<double>{2, 4};
    QTest::newRow("2x3") << 2 << 3 << QVector<double>{1, 2, 3, 4, 5, 6} << QVector<double>{5, 7, 9}
                         << QVector<double>{6, 15} << QVector<double>{4, 5, 6}
                         << QVector<double>{3, 6};
    QTest::newRow("column") << 3 << 1 << QVector<double>{1, 2, 3} << QVector<double>{6}
                            << QVector<double>{1, 2, 3} << QVector<double>{3}
                            << QVector<double>{1, 2, 3};
    QTest::newRow("row") << 1 << 3 << QVector<double>{1, 2, 3} << QVector<double>{1, 2, 3}
                         << QVector<double>{6} << QVector<double>{1, 2, 3} << QVector<double>{3};
    QTest::newRow("floor -1e12") << 2 << 2 << QVector<double>{-3e12, 1, -4e12, 2}
                                 << QVector<double>{-7e12, 3}
                                 << QVector<double>{-3e12 + 1, -4e12 + 2}
                                 << QVector<double>{-1e12, 2} << QVector<double>{1, 2};
}

void tst_MatrixReductions::columnAndRowReductions()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(QVector<double>, sumCol);
    QFETCH(QVector<double>, sumRow);
    QFETCH(QVector<double>, maxCol);
    QFETCH(QVector<double>, maxRow);
    const StoredValue a = fromVector(rows, cols, entries);
    ValueRows sc = markedStore(), sr = markedStore(), mc = markedStore(), mr = markedStore();
    reduceSumCol(a.block(), sc);
    reduceSumRow(a.block(), sr);
    reduceMaxCol(a.block(), mc);
    reduceMaxRow(a.block(), mr);
    for (int j = 0; j < cols; ++j) {
        QCOMPARE(sc[0][j], sumCol[j]);
        QCOMPARE(mc[0][j], maxCol[j]);
    }
    for (int i = 0; i < rows; ++i) {
        QCOMPARE(sr[i][0], sumRow[i]);
        QCOMPARE(mr[i][0], maxRow[i]);
    }
    // Only the result cells are written.
    QCOMPARE(sc[1][0], -4242.0);
    QCOMPARE(sc[0][cols], -4242.0);
    QCOMPARE(sr[rows][0], -4242.0);
    QCOMPARE(sr[0][1], -4242.0);
}

void tst_MatrixReductions::notANumber()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const StoredValue a(2, 2, {nan, 3, 1, 2});
    QCOMPARE(reduceMax(a.block()), 3.0);
    QCOMPARE(reduceMin(a.block()), 1.0);
    QVERIFY(std::isnan(reduceSum(a.block())));
    ValueRows out = markedStore();
    reduceSumCol(a.block(), out);
    QVERIFY(std::isnan(out[0][0]));
    QCOMPARE(out[0][1], 5.0);
    reduceMaxRow(a.block(), out);
    QCOMPARE(out[0][0], 3.0);
    QCOMPARE(out[1][0], 2.0);
    const StoredValue lone(1, 1, {nan});
    QCOMPARE(reduceMax(lone.block()), -1e12);
    QCOMPARE(reduceMin(lone.block()), 1e12);
}

QTEST_APPLESS_MAIN(tst_MatrixReductions)
#include "tst_MatrixReductions.moc"
