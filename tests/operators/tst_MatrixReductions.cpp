#include "operators/MatrixReductions.h"

#include "KernelFixture.h"

#include <QtTest>

class tst_MatrixReductions : public QObject
{
    Q_OBJECT
private slots:
    void reductions_data();
    void reductions();
};

void tst_MatrixReductions::reductions_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<double>>("entries");
    // sum, max, min, then column sums, row sums, column maxima, row maxima.
    QTest::addColumn<QVector<double>>("expected");
    QTest::newRow("2x3") << 2 << QVector<double>{1, 2, 3, 4, 5, 6}
                         << QVector<double>{21, 6, 1, 5, 7, 9, 6, 15, 4, 5, 6, 3, 6};
    QTest::newRow("column") << 3 << QVector<double>{1, -2, 3}
                            << QVector<double>{2, 3, -2, 2, 1, -2, 3, 3, 1, -2, 3};
    // Extremes start from -1e12 / 1e12 and move only strictly: NaN never wins.
    QTest::newRow("beyond 1e12, NaN")
        << 2 << QVector<double>{-3e12, qQNaN(), -4e12, 2}
        << QVector<double>{qQNaN(),   2,     -4e12, -7e12, qQNaN(), qQNaN(),
                           -4e12 + 2, -1e12, 2,     -1e12, 2};
    QTest::newRow("lone NaN") << 1 << QVector<double>{qQNaN()}
                              << QVector<double>{qQNaN(), -1e12, 1e12, qQNaN(),
                                                 qQNaN(), -1e12, -1e12};
}

void tst_MatrixReductions::reductions()
{
    QFETCH(int, rows);
    QFETCH(QVector<double>, entries);
    QFETCH(QVector<double>, expected);
    const int cols = entries.size() / rows;
    const StoredValue s = stored(rows, cols, entries);
    QVector<double> got{reduceSum(s.block()), reduceMax(s.block()), reduceMin(s.block())};
    ValueRows out[4] = {markedStore(), markedStore(), markedStore(), markedStore()};
    reduceSumCol(s.block(), out[0]);
    reduceSumRow(s.block(), out[1]);
    reduceMaxCol(s.block(), out[2]);
    reduceMaxRow(s.block(), out[3]);
    for (int k = 0; k < 4; ++k) {
        const bool perColumn = k % 2 == 0;
        for (int i = 0; i < (perColumn ? cols : rows); ++i)
            got << (perColumn ? out[k][0][i] : out[k][i][0]);
        // Only the result cells are written.
        QCOMPARE(out[k][perColumn ? 1 : rows][0], -4242.0);
        QCOMPARE(out[k][0][perColumn ? cols : 1], -4242.0);
    }
    QCOMPARE(got.size(), expected.size());
    for (int k = 0; k < got.size(); ++k)
        QVERIFY2(
            got[k] == expected[k] || (std::isnan(got[k]) && std::isnan(expected[k])),
            qPrintable(QString("result %1: %2 against %3").arg(k).arg(got[k]).arg(expected[k])));
}

QTEST_APPLESS_MAIN(tst_MatrixReductions)
#include "tst_MatrixReductions.moc"
