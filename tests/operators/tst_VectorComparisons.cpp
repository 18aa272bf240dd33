#include "operators/VectorComparisons.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_VectorComparisons : public QObject
{
    Q_OBJECT
private slots:
    void measuresAgreeWithLawOfCosines();
};

// |a-b|^2 = |a|^2 + |b|^2 - 2 |a| |b| cos, on random rows, columns and matrices.
void tst_VectorComparisons::measuresAgreeWithLawOfCosines()
{
    qsrand(1234);
    for (int trial = 0; trial < 300; ++trial) {
        const int r = trial % 3 == 0 ? 1 : 1 + qrand() % 32;
        const int c = trial % 3 == 1 ? 1 : 1 + qrand() % 32;
        QVector<double> x, y;
        double nx = 0, ny = 0, nd = 0, manhattan = 0, product = 0;
        for (int k = 0; k < r * c; ++k) {
            x << qrand() % 2001 / 100.0 - 10;
            y << qrand() % 2001 / 100.0 - 10;
            nx += x[k] * x[k];
            ny += y[k] * y[k];
            nd += (x[k] - y[k]) * (x[k] - y[k]);
            manhattan += std::fabs(x[k] - y[k]);
            product += x[k] * y[k];
        }
        const StoredValue a = stored(r, c, x), b = stored(r, c, y);
        FUZZY_COMPARE(euclideanDistance(a.block(), b.block()), std::sqrt(nd), 1e-9);
        FUZZY_COMPARE(manhattanDistance(a.block(), b.block()), manhattan, 1e-9);
        FUZZY_COMPARE(sumOfProducts(a.block(), b.block()), (nx + ny - nd) / 2, 1e-9);
        const double oracle = (nx + ny - nd) / (2 * std::sqrt(nx) * std::sqrt(ny));
        double cosine;
        if (nx * ny < 1e-9 || std::fabs(oracle) > 0.9999985)
            continue; // too near the clamp to tell rounding from clamping
        QCOMPARE(int(cosineBetween(a.block(), b.block(), cosine)), int(OperStatus::Ok));
        FUZZY_COMPARE(cosine, oracle, 1e-9);
    }
}

QTEST_APPLESS_MAIN(tst_VectorComparisons)
#include "tst_VectorComparisons.moc"
