#include "operators/MatrixTransforms.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <Eigen/Dense>
#include <QtTest>

class tst_MatrixTransforms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qsrand(1234);
        std::srand(1234); // Eigen's Random
    }
    void choleskyAgreesWithEigen();
    void choleskyFailures_data();
    void choleskyFailures();
    void laplacianAgreesWithDefinition();
};

// B B^T + I for a random B: symmetric positive definite at every order. Only the lower
// triangle is read: the upper one is spoiled.
void tst_MatrixTransforms::choleskyAgreesWithEigen()
{
    for (int n = 1; n <= 32; ++n) {
        const Eigen::MatrixXd b = Eigen::MatrixXd::Random(n, n);
        const Eigen::MatrixXd spd = b * b.transpose() + Eigen::MatrixXd::Identity(n, n);
        StoredValue a(n, n, {});
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                a.m[i][j] = spd(i, j) + (j > i ? 1e-3 : 0.0);
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
    ValueRows out = markedStore();
    QVERIFY(!choleskyInto(stored(2, 2, entries).m, 2, out));
    // The block keeps the copied argument; nothing beyond it is written.
    for (int k = 0; k < 4; ++k)
        QCOMPARE(out[k / 2][k % 2], entries[k]);
    QCOMPARE(out[0][2], -4242.0);
}

// D - M: negated entries off the diagonal (a 0 gives -0.0), the row sum without the diagonal
// entry on it; random weights or 0/1 adjacencies.
void tst_MatrixTransforms::laplacianAgreesWithDefinition()
{
    for (int n = 2; n <= 32; ++n) {
        StoredValue a(n, n, {});
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= i; ++j)
                a.m[i][j] = a.m[j][i] = n % 2 ? double(qrand() % 2) : qrand() % 2001 / 100.0 - 10;
        ValueRows out = markedStore();
        laplacianOf(a.block(), out);
        for (int i = 0; i < n; ++i) {
            double degree = 0;
            for (int j = 0; j < n; ++j) {
                degree += j == i ? 0 : a.m[i][j];
                if (j != i) {
                    QCOMPARE(out[i][j], -a.m[i][j]);
                    QCOMPARE(std::signbit(out[i][j]), !std::signbit(a.m[i][j]));
                }
            }
            FUZZY_COMPARE(out[i][i], degree, 1e-10);
        }
        if (n < 32)
            QCOMPARE(out[0][n], -4242.0);
    }
}

QTEST_APPLESS_MAIN(tst_MatrixTransforms)
#include "tst_MatrixTransforms.moc"
