#include "operators/MatrixTransforms.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <Eigen/Dense>
#include <QtTest>
#include <cmath>

class tst_MatrixTransforms : public QObject
{
    Q_OBJECT
private slots:
    void choleskyAgreesWithEigen();
    void choleskyByHand();
    void choleskyFailures_data();
    void choleskyFailures();
    void laplacianByHand();
    void laplacianOfAdjacency();
    void laplacianRowsSumToZero();
};

// B B^T + I for a random B: symmetric positive definite at every order.
void tst_MatrixTransforms::choleskyAgreesWithEigen()
{
    qsrand(1234);
    for (int n = 1; n <= 32; ++n) {
        Eigen::MatrixXd b(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                b(i, j) = (qrand() % 2001) / 1000.0 - 1.0;
        const Eigen::MatrixXd spd = b * b.transpose() + Eigen::MatrixXd::Identity(n, n);
        StoredValue a(n, n, {});
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                a.m[i][j] = spd(j >= i ? j : i, j >= i ? i : j); // lower triangle mirrored
        ValueRows out = markedStore();
        QVERIFY(choleskyInto(a.m, n, out));
        const Eigen::MatrixXd l = spd.llt().matrixL();
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                FUZZY_COMPARE(out[i][j], l(i, j), 1e-10);
        if (n < 32)
            QCOMPARE(out[0][n], -4242.0);
    }
}

void tst_MatrixTransforms::choleskyByHand()
{
    const StoredValue a(2, 2, {4, 2, 2, 3});
    ValueRows out = markedStore();
    QVERIFY(choleskyInto(a.m, 2, out));
    QCOMPARE(out[0][0], 2.0);
    QCOMPARE(out[0][1], 0.0);
    QCOMPARE(out[1][0], 1.0);
    FUZZY_COMPARE(out[1][1], std::sqrt(2.0), 1e-15);

    for (int n = 2; n <= 32; n += 10) {
        StoredValue identity(n, n, {});
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                identity.m[i][j] = i == j;
        QVERIFY(choleskyInto(identity.m, n, out));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                QCOMPARE(out[i][j], i == j ? 1.0 : 0.0);
    }
    // The upper triangle plays no part: the factor is that of the lower one.
    const StoredValue skew(2, 2, {4, 2 + 1e-6, 2, 3});
    QVERIFY(choleskyInto(skew.m, 2, out));
    QCOMPARE(out[1][0], 1.0);
    // Any positive first pivot passes.
    const StoredValue tiny(2, 2, {1e-300, 0, 0, 1});
    QVERIFY(choleskyInto(tiny.m, 2, out));
    QCOMPARE(out[0][0], 1e-150);
}

void tst_MatrixTransforms::choleskyFailures_data()
{
    QTest::addColumn<QVector<double>>("entries");
    QTest::newRow("adjacency, first pivot 0") << QVector<double>{0, 1, 1, 0};
    QTest::newRow("ones, second pivot exactly 0") << QVector<double>{1, 1, 1, 1};
    QTest::newRow("indefinite") << QVector<double>{1, 2, 2, 1};
    QTest::newRow("negative") << QVector<double>{-1, 0, 0, 1};
}

void tst_MatrixTransforms::choleskyFailures()
{
    QFETCH(QVector<double>, entries);
    const StoredValue a(2, 2, {entries[0], entries[1], entries[2], entries[3]});
    ValueRows out = markedStore();
    QVERIFY(!choleskyInto(a.m, 2, out));
    // The block keeps the copied argument; nothing beyond it is written.
    for (int k = 0; k < 4; ++k)
        QCOMPARE(out[k / 2][k % 2], entries[k]);
    QCOMPARE(out[0][2], -4242.0);
}

void tst_MatrixTransforms::laplacianByHand()
{
    const StoredValue a(2, 2, {1, 2, 2, 3});
    ValueRows out = markedStore();
    laplacianOf(a.block(), out);
    QCOMPARE(out[0][0], 2.0);
    QCOMPARE(out[0][1], -2.0);
    QCOMPARE(out[1][0], -2.0);
    QCOMPARE(out[1][1], 2.0);
    QCOMPARE(out[2][0], -4242.0);
    QCOMPARE(out[0][2], -4242.0);
}

// Star K1,3 plus the edge 1-2: degrees (3, 2, 2, 1).
void tst_MatrixTransforms::laplacianOfAdjacency()
{
    const StoredValue adj(4, 4, {0, 1, 1, 1, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 0, 0});
    ValueRows out = markedStore();
    laplacianOf(adj.block(), out);
    const int degree[4] = {3, 2, 2, 1};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (i == j) {
                QCOMPARE(out[i][j], double(degree[i]));
            } else if (adj.m[i][j] == 1) {
                QCOMPARE(out[i][j], -1.0);
            } else {
                QCOMPARE(out[i][j], 0.0);
                QVERIFY(std::signbit(out[i][j])); // -0.0, the negated zero
            }
        }
}

void tst_MatrixTransforms::laplacianRowsSumToZero()
{
    qsrand(1234);
    for (int n = 2; n <= 32; ++n) {
        StoredValue a(n, n, {});
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j)
                a.m[i][j] = a.m[j][i] = (qrand() % 2001) / 100.0 - 10.0;
        ValueRows out = markedStore();
        laplacianOf(a.block(), out);
        for (int i = 0; i < n; ++i) {
            double sum = 0;
            for (int j = 0; j < n; ++j) {
                sum += out[i][j];
                if (j != i)
                    QCOMPARE(out[i][j], -a.m[i][j]);
            }
            FUZZY_COMPARE(sum, 0.0, 1e-10);
        }
    }
}

QTEST_APPLESS_MAIN(tst_MatrixTransforms)
#include "tst_MatrixTransforms.moc"
