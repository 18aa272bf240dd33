#include "numerics/Eig.h"

#include "CommonTest.h"
#include "Matrices.h"
#include "StderrCapture.h"

#include <QtTest>
#include <limits>

class tst_Eig : public QObject
{
    Q_OBJECT
private slots:

    void againstEigen_data()
    {
        QTest::addColumn<Matrix>("m");
        qsrand(1234);
        for (int n = 1; n <= 32; ++n) {
            Matrix adjacency = randomMatrix(n, n, 1.0, true);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    adjacency[i][j] = i != j && adjacency[qMin(i, j)][qMax(i, j)] > 0;
            QTest::newRow(qPrintable(QString("wide n=%1").arg(n)))
                << randomMatrix(n, n, 50.0, true);
            QTest::newRow(qPrintable(QString("adjacency n=%1").arg(n))) << adjacency;
        }
    }

    void againstEigen()
    {
        QFETCH(Matrix, m);
        const int n = m.size();
        const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(toEigen(m, n));
        const Eig eig(m, n);
        const QVector<double> values = eig.eigvals();
        QVERIFY(values.size() == n && eig.eigvecs().size() == n);
        const Eigen::MatrixXd v = toEigen(eig.eigvecs(), n), a = toEigen(m, n);
        // Off-diagonal remnants are below 2e-6, which bounds each residual.
        const double residualBound = 2e-6 * std::sqrt(double(n)) + 1e-9;
        QVERIFY((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff() <
                1e-12);
        for (int k = 0; k < n; ++k) {
            FUZZY_COMPARE(values[k], solver.eigenvalues()(n - 1 - k), 1e-6); // Eigen ascends
            QVERIFY((k == 0 || values[k] <= values[k - 1]) && eig.eigval(k) == values[k]);
            QCOMPARE(eig.eigvec(k), QVector<double>(v.col(k).data(), v.col(k).data() + n));
            QVERIFY((a * v.col(k) - values[k] * v.col(k)).norm() <= residualBound);
        }
    }

    void examples_data()
    {
        const double h = 1.0 / std::sqrt(2.0);
        QTest::addColumn<Matrix>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<Matrix>("vectors");
        QTest::newRow("empty") << Matrix() << 0 << QVector<double>() << Matrix();
        QTest::newRow("one entry") << Matrix{{-2.5}} << 1 << QVector<double>{-2.5} << Matrix{{1.0}};
        QTest::newRow("diagonal with tie")
            << Matrix{{1, 0, 0}, {0, 3, 0}, {0, 0, 1}} << 3 << QVector<double>{3, 1, 1}
            << Matrix{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
        QTest::newRow("swap matrix")
            << Matrix{{0, 1}, {1, 0}} << 2 << QVector<double>{1, -1} << Matrix{{h, -h}, {h, h}};
        // Pivots: at 1e-6 a pair rotates; another pair must beat the first one by 1e-6.
        QTest::newRow("pivot exactly 1e-6")
            << Matrix{{0, 1e-6}, {1e-6, 0}} << 2 << QVector<double>{1e-6, -1e-6}
            << Matrix{{h, -h}, {h, h}};
        QTest::newRow("pivot just below") << Matrix{{2, 0.99e-6}, {0.99e-6, 7}} << 2
                                          << QVector<double>{7, 2} << Matrix{{0, 1}, {1, 0}};
        QTest::newRow("3x3 does not beat the first pair")
            << Matrix{{0, 0, 0}, {0, 0, 1e-6}, {0, 1e-6, 0}} << 3 << QVector<double>{0, 0, 0}
            << Matrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        QTest::newRow("only the top-left block read")
            << Matrix{{0, 1, 9}, {1, 0, 9}, {9, 9, 9}} << 2 << QVector<double>{1, -1}
            << Matrix{{h, -h}, {h, h}};
        QTest::newRow("too small: missing entries are 0")
            << Matrix{{2}} << 2 << QVector<double>{2, 0} << Matrix{{1, 0}, {0, 1}};
    }

    void examples()
    {
        QFETCH(Matrix, m);
        QFETCH(int, n);
        QFETCH(QVector<double>, values);
        QFETCH(Matrix, vectors);
        const Eig eig(m, n);
        QVERIFY(eig.eigvals().size() == n && eig.eigvecs().size() == n);
        for (int k = 0; k < n; ++k) {
            FUZZY_COMPARE(eig.eigvals()[k], values[k], 1e-15);
            for (int r = 0; r < n; ++r)
                FUZZY_COMPARE(eig.eigvecs()[r][k], vectors[r][k], 1e-15);
        }
        // Out of range: empty or 0, and one whole line each on standard error.
        const QByteArray said = captureStderr([&] {
            QVERIFY(eig.eigvec(-1).isEmpty() && eig.eigvec(n).isEmpty());
            QVERIFY(eig.eigval(-1) == 0.0 && eig.eigval(n) == 0.0);
        });
        const QByteArray vector = "Error index out of range for Eig::vector(index)\n";
        const QByteArray value = "Error index out of range for Eig::value(index)\n";
        QCOMPARE(said, vector + vector + value + value);
    }

    void nonFiniteInputEnds_data()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addColumn<Matrix>("m");
        qsrand(7);
        auto poke = [](QVector<QVector<int>> spots, double value) {
            Matrix m = randomMatrix(32, 32, 1.0, true);
            for (const QVector<int> &s : spots)
                m[s[0]][s[1]] = m[s[1]][s[0]] = value;
            return m;
        };
        QTest::newRow("NaN first pair") << poke({{0, 1}}, nan);
        QTest::newRow("NaN deep pair and diagonal") << poke({{20, 27}, {5, 5}}, nan);
        QTest::newRow("infinite") << poke({{3, 9}, {4, 4}}, -inf);
        QTest::newRow("all NaN") << Matrix(12, QVector<double>(12, nan));
        QTest::newRow("overflowing") << randomMatrix(32, 32, 1e307, true);
    }

    void nonFiniteInputEnds()
    {
        QFETCH(Matrix, m);
        const int n = m.size();
        const Eig eig(m, n);
        // A pivot that is NaN or infinite (overflow included) ends the iteration before the cap.
        QVERIFY(eig.rotations() < Eig::maxRotations(n));
        QVERIFY(eig.eigvals().size() == n && eig.eigvecs().size() == n);
        // A cap given by the caller is kept to exactly.
        QCOMPARE(Eig(randomMatrix(16, 16, 1.0, true), 16, 37).rotations(), 37);
    }
};

QTEST_APPLESS_MAIN(tst_Eig)
#include "tst_Eig.moc"
