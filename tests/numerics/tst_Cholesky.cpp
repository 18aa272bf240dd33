#include "numerics/Cholesky.h"

#include "CommonTest.h"
#include "Matrices.h"

#include <QtTest>

class tst_Cholesky : public QObject
{
    Q_OBJECT
private slots:
    /// Against Eigen's factor (`l` empty) or a worked factor; success when no pivot is 0.
    void againstEigen_data()
    {
        QTest::addColumn<Matrix>("a");
        QTest::addColumn<int>("n");
        QTest::addColumn<Matrix>("l");
        qsrand(1234);
        for (int n = 1; n <= 32; ++n)
            for (double shift : {0.1, -double(n)}) { // B B^T + shift I: definite, then not
                const Eigen::MatrixXd b = toEigen(randomMatrix(n, n, 1.0), n);
                const Matrix a =
                    fromEigen(b * b.transpose() + shift * Eigen::MatrixXd::Identity(n, n));
                QTest::newRow(qPrintable(QString("n=%1 shift %2").arg(n).arg(shift)))
                    << a << n << Matrix();
            }
        QTest::newRow("2x2, upper triangle ignored")
            << Matrix{{4, 99}, {2, 3}} << 2 << Matrix{{2, 0}, {1, std::sqrt(2.0)}};
        QTest::newRow("3x3 read from the top-left block")
            << Matrix{{4, 2, 0, -7}, {2, 5, 1, -7}, {0, 1, 1, -7}, {-7, -7, -7, -7}} << 3
            << Matrix{{2, 0, 0}, {1, 2, 0}, {0, 0.5, std::sqrt(3.0) / 2}};
        QTest::newRow("exact zero pivot") << Matrix{{1, 1}, {1, 1}} << 2 << Matrix(2, {0, 0});
        QTest::newRow("fails at the last pivot")
            << Matrix{{4, 2, 0}, {2, 5, 1}, {0, 1, 0.25}} << 3 << Matrix(3, {0, 0, 0});
        QTest::newRow("too small: missing diagonal is 0")
            << Matrix{{4}, {2}} << 2 << Matrix(2, {0, 0});
        QTest::newRow("NaN") << Matrix{{std::nan("")}} << 1 << Matrix{{0}};
        QTest::newRow("order 0") << Matrix{{-1}} << 0 << Matrix();
    }
    void againstEigen()
    {
        QFETCH(Matrix, a);
        QFETCH(int, n);
        QFETCH(Matrix, l);
        bool success = true;
        if (l.isEmpty() && n > 0) {
            const Eigen::LLT<Eigen::MatrixXd> llt(toEigen(a, n));
            success = llt.info() == Eigen::Success;
            l = success ? fromEigen(llt.matrixL()) : Matrix(n, QVector<double>(n, 0.0));
        }
        for (int i = 0; i < l.size(); ++i)
            success = success && l[i][i] != 0.0;
        const Cholesky chol(a, n);
        QCOMPARE(chol.succeeded(), success);
        const Matrix got = chol.q();
        QCOMPARE(got.size(), l.size());
        for (int i = 0; i < l.size(); ++i) {
            QCOMPARE(got[i].size(), n);
            for (int j = 0; j < n; ++j)
                FUZZY_COMPARE(got[i][j], l[i][j], 1e-10);
        }
    }
};

QTEST_APPLESS_MAIN(tst_Cholesky)
#include "tst_Cholesky.moc"
