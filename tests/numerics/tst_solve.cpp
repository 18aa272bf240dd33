#include "numerics/solve.h"

#include "CommonTest.h"
#include "Matrices.h"
#include "StderrCapture.h"

#include <QtTest>

class tst_solve : public QObject
{
    Q_OBJECT
private slots:
    /// `expected` empty: a random system, against Eigen. A general system has a line of
    /// solutions (x, c); the elimination leaves the variable it never reached at 0, and with
    /// that variable removed [A | 1] is square and Eigen gives the unique (x, c).
    void solutions_data()
    {
        QTest::addColumn<Matrix>("a");
        QTest::addColumn<QVector<double>>("b");
        QTest::addColumn<QVector<double>>("expected");
        QTest::newRow("first variable dropped") << Matrix{{1, 2}, {3, 5}} << QVector<double>{4, 9}
                                                << QVector<double>{0, 5.0 / 3, 2.0 / 3};
        QTest::newRow("identity") << Matrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}
                                  << QVector<double>{1, 2, 3} << QVector<double>{-2, -1, 0, 3};
        QTest::newRow("empty") << Matrix() << QVector<double>() << QVector<double>{0};
        // The centred pivot is e/2: kept only when strictly above 1e-4.
        QTest::newRow("pivot exactly 1e-4")
            << Matrix{{2e-4, 0}, {0, 0}} << QVector<double>{1, 0} << QVector<double>{0, 0, 0.5};
        QTest::newRow("pivot above") << Matrix{{2.2e-4, 0}, {0, 0}} << QVector<double>{1, 0}
                                     << QVector<double>{1 / 2.2e-4, 0, 0};
        qsrand(1234);
        for (int m = 1; m <= 32; ++m)
            QTest::newRow(qPrintable(QString("random m=%1").arg(m)))
                << randomMatrix(m, m, 10.0) << randomMatrix(1, m, 100.0)[0] << QVector<double>();
    }
    void solutions()
    {
        QFETCH(Matrix, a);
        QFETCH(QVector<double>, b);
        QFETCH(QVector<double>, expected);
        const QVector<double> x = solve(a, b);
        const int m = a.size(), zero = x.indexOf(0.0);
        if (expected.isEmpty()) {
            QVERIFY2(zero >= 0 && zero < m, "one variable must be left at 0");
            Eigen::MatrixXd bordered(m, m);
            for (int i = 0; i < m; ++i) {
                for (int j = 0, col = 0; j < m; ++j)
                    if (j != zero)
                        bordered(i, col++) = a[i][j];
                bordered(i, m - 1) = 1.0;
            }
            const Eigen::VectorXd oracle =
                bordered.fullPivLu().solve(Eigen::Map<const Eigen::VectorXd>(b.constData(), m));
            expected = QVector<double>(oracle.data(), oracle.data() + m);
            expected.insert(zero, 0.0);
        }
        QCOMPARE(x.size(), expected.size());
        for (int i = 0; i < x.size(); ++i)
            FUZZY_COMPARE(x[i], expected[i], 1e-8);
    }

    /// The three lines on standard error give b's size, then A's rows and first row's size.
    void dimensionMismatchThrows_data()
    {
        QTest::addColumn<Matrix>("a");
        QTest::addColumn<QVector<double>>("b");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("one row, two entries")
            << Matrix{{1, 2}} << QVector<double>{1, 2} << QByteArray("VEC :2\nMAT :1 x 2\n");
        QTest::newRow("two rows of one")
            << Matrix{{1}, {2}} << QVector<double>{1} << QByteArray("VEC :1\nMAT :2 x 1\n");
        QTest::newRow("ragged") << Matrix{{1, 2}, {3}} << QVector<double>{1, 2}
                                << QByteArray("VEC :2\nMAT :2 x 2\n");
        QTest::newRow("wide then short") << Matrix{{1, 2, 3}, {4, 5}} << QVector<double>{1, 2}
                                         << QByteArray("VEC :2\nMAT :2 x 3\n");
        QTest::newRow("no right-hand side")
            << Matrix{{1}} << QVector<double>() << QByteArray("VEC :0\nMAT :1 x 1\n");
        QTest::newRow("no matrix")
            << Matrix() << QVector<double>{1} << QByteArray("VEC :1\nMAT :0 x 0\n");
    }

    void dimensionMismatchThrows()
    {
        QFETCH(Matrix, a);
        QFETCH(QVector<double>, b);
        QFETCH(QByteArray, said);
        int thrown = 0;
        const QByteArray err = captureStderr([&] {
            try {
                solve(a, b);
            } catch (int code) {
                thrown = code;
            }
        });
        QCOMPARE(thrown, 1);
        QCOMPARE(err, "DIMENSION ERROR IN solve()\n" + said);
    }
};

QTEST_APPLESS_MAIN(tst_solve)
#include "tst_solve.moc"
