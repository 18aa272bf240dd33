#include "operators/ArithmeticKernels.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_ArithmeticKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { std::srand(1234); } // Eigen's Random too
    void productAgreesWithEigen();
};

// Random shapes up to 32 x 32: every entry of the product, and no cell written beyond it.
void tst_ArithmeticKernels::productAgreesWithEigen()
{
    for (int trial = 0; trial < 40; ++trial) {
        auto side = [trial] { return trial ? 1 + std::rand() % 32 : 32; }; // the first: 32 x 32
        const int r = side(), k = side(), c = side();
        const Eigen::MatrixXd ea = 10 * Eigen::MatrixXd::Random(r, k),
                              eb = Eigen::MatrixXd::Random(k, c);
        const StoredValue a = fromEigen(ea), b = fromEigen(eb);
        const Eigen::MatrixXd expected = ea * eb;
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
