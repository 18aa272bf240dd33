#include "operators/ArithmeticKernels.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_ArithmeticKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void productAgreesWithEigen();
};

// Random shapes up to 32: every entry of the product, and no cell written beyond it.
void tst_ArithmeticKernels::productAgreesWithEigen()
{
    for (int trial = 0; trial < 40; ++trial) {
        const int r = 1 + qrand() % 32, k = 1 + qrand() % 32, c = 1 + qrand() % 32;
        const StoredValue a = randomValue(r, k), b = randomValue(k, c);
        const Eigen::MatrixXd expected = toEigen(a) * toEigen(b);
        ValueRows out = markedStore();
        matrixProduct(a.block(), b.block(), out);
        for (int i = 0; i < r; ++i)
            for (int j = 0; j < c; ++j)
                FUZZY_COMPARE(out[i][j], expected(i, j), 1e-10);
        QVERIFY(c == 32 || out[0][c] == -4242.0);
        QVERIFY(r == 32 || out[r][0] == -4242.0);
    }
}

QTEST_APPLESS_MAIN(tst_ArithmeticKernels)
#include "tst_ArithmeticKernels.moc"
