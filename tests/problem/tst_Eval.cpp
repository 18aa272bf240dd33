#include "problem/Eval.h"

#include <QtTest>

#include <cmath>
#include <limits>

class tst_Eval : public QObject
{
    Q_OBJECT
private slots:
    void violatedAndDisplay_data();
    void violatedAndDisplay();
    void copyIsIndependent();
    void outOfRangeReads();
    void nanStoredAsUndefined();
};

void tst_Eval::violatedAndDisplay_data()
{
    QTest::addColumn<QVector<QVector<double>>>("vectors");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("violated");
    QTest::addColumn<QString>("display");
    using Vectors = QVector<QVector<double>>;
    QTest::newRow("nothing") << Vectors{} << QVector<double>{} << false << QString();
    QTest::newRow("error flag alone")
        << Vectors{{}} << QVector<double>{1, 0} << true << QStringLiteral("<>[1][0]");
    QTest::newRow("amount exactly 1e-6")
        << Vectors{} << QVector<double>{0, 1e-6} << false << QStringLiteral("[0][1e-06]");
    QTest::newRow("amount 1.5e-6")
        << Vectors{} << QVector<double>{0, 1.5e-6} << true << QStringLiteral("[0][1.5e-06]");
    QTest::newRow("negative amount")
        << Vectors{{2}} << QVector<double>{0, -5} << false << QStringLiteral("<2 >[0][-5]");
    QTest::newRow("undefined and six digits")
        << Vectors{{1e12, 3.14159265}, {-2.0}} << QVector<double>{0.0, 0.125} << true
        << QStringLiteral("<1e+12 3.14159 ><-2 >[0][0.125]");
    // A NaN amount is stored as the undefined value, which is a violation.
    QTest::newRow("NaN amount")
        << Vectors{} << QVector<double>{0, std::nan("")} << true << QStringLiteral("[0][1e+12]");
}

void tst_Eval::violatedAndDisplay()
{
    QFETCH(QVector<QVector<double>>, vectors);
    QFETCH(QVector<double>, values);
    QFETCH(bool, violated);
    QFETCH(QString, display);
    Eval e;
    for (const auto &v : vectors)
        e.addZ(v);
    for (double v : values)
        e.push_back(v);
    QCOMPARE(e.violated(), violated);
    QCOMPARE(e.display(), display);
}

void tst_Eval::copyIsIndependent()
{
    Eval a;
    a.addZ({1.0, 2.0});
    a.push_back(0.0);
    a.push_back(3.0);
    Eval b;
    b.addZ({9.0});
    b.addZ({9.0});
    b.push_back(7.0);
    b.copy(&a);
    QCOMPARE(b.display(), a.display());
    b.z(0)[0] = -1.0;
    b.setValue(1, 42.0);
    Eval c(a);
    a.z(0)[1] = 5.0;
    QCOMPARE(a.display(), QStringLiteral("<1 5 >[0][3]"));
    QCOMPARE(b.display(), QStringLiteral("<-1 2 >[0][42]"));
    QCOMPARE(c.display(), QStringLiteral("<1 2 >[0][3]"));
}

void tst_Eval::outOfRangeReads()
{
    Eval e;
    e.addZ({4.0});
    e.push_back(0.0);
    QCOMPARE(e.value(1), 1e12);
    QCOMPARE(e.zvalue(1), 1e12);
    QVector<double> &none = e.z(1);
    QVERIFY(none.isEmpty());
    none.append(13.0); // a careless caller writes into it
    QVERIFY(e.z(1).isEmpty());
    QVERIFY(e.z(-1).isEmpty());
    QCOMPARE(e.display(), QStringLiteral("<4 >[0]"));
}

void tst_Eval::nanStoredAsUndefined()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Eval e;
    e.addZ({nan, 2.0});
    e.push_front(nan);
    e.push_back(0.0);
    e.setValue(1, nan);
    QCOMPARE(e.display(), QStringLiteral("<1e+12 2 >[1e+12][1e+12]"));
}

QTEST_APPLESS_MAIN(tst_Eval)
#include "tst_Eval.moc"
