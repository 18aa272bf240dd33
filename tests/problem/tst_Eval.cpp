#include "problem/Eval.h"

#include <QtTest>

#include <cmath>
#include <limits>

class tst_Eval : public QObject
{
    Q_OBJECT
private slots:
    void emptyRecord();
    void violated_data();
    void violated();
    void copyReplacesAndIsIndependent();
    void outOfRangeVectorIsEmptyEveryTime();
    void display_data();
    void display();
    void nanStoredAsUndefined();
    void refillKeepsNoOldEntries();
    void liveCount();
};

void tst_Eval::emptyRecord()
{
    Eval e;
    QCOMPARE(e.size(), 0);
    QCOMPARE(e.sizeZ(), 0);
    QCOMPARE(e.value(0), 1e12);
    QCOMPARE(e.zvalue(0), 1e12);
    QVERIFY(!e.violated());
    QCOMPARE(e.display(), QString());
}

void tst_Eval::violated_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("expected");
    QTest::newRow("error flag alone") << QVector<double>{1.0, 0.0, 0.0} << true;
    QTest::newRow("all satisfied") << QVector<double>{0.0, 0.0, 0.0} << false;
    QTest::newRow("amount exactly 1e-6") << QVector<double>{0.0, 1e-6} << false;
    QTest::newRow("amount 1.5e-6") << QVector<double>{0.0, 1.5e-6} << true;
    QTest::newRow("first of several") << QVector<double>{0.0, 2.0, 0.0, 0.0} << true;
    QTest::newRow("negative amounts") << QVector<double>{0.0, -5.0} << false;
    // A NaN amount is stored as the undefined value, which is a violation.
    QTest::newRow("NaN amount") << QVector<double>{0.0, std::nan("")} << true;
}

void tst_Eval::violated()
{
    QFETCH(QVector<double>, values);
    QFETCH(bool, expected);
    Eval e;
    for (double v : values)
        e.push_back(v);
    QCOMPARE(e.violated(), expected);
}

void tst_Eval::copyReplacesAndIsIndependent()
{
    Eval a;
    a.addZ({1.0, 2.0});
    a.addZ({});
    a.push_back(0.0);
    a.push_back(3.0);

    Eval b;
    b.addZ({9.0});
    b.push_back(7.0);
    b.push_back(8.0);
    b.push_back(9.0);
    b.copy(&a);
    QCOMPARE(b.sizeZ(), 2);
    QCOMPARE(b.z(0), (QVector<double>{1.0, 2.0}));
    QVERIFY(b.z(1).isEmpty());
    QCOMPARE(b.size(), 2);
    QCOMPARE(b.value(0), 0.0);
    QCOMPARE(b.value(1), 3.0);

    b.z(0)[0] = -1.0;
    b.setValue(1, 42.0);
    QCOMPARE(a.z(0)[0], 1.0);
    QCOMPARE(a.value(1), 3.0);

    Eval c(a);
    Eval d(&a);
    a.z(0)[1] = 5.0;
    QCOMPARE(c.z(0)[1], 2.0);
    QCOMPARE(d.z(0)[1], 2.0);
}

void tst_Eval::outOfRangeVectorIsEmptyEveryTime()
{
    Eval e;
    e.addZ({4.0});
    QVector<double> &none = e.z(1);
    QVERIFY(none.isEmpty());
    none.append(13.0); // a careless caller writes into it
    QVERIFY(e.z(1).isEmpty());
    QVERIFY(e.z(-1).isEmpty());
    QCOMPARE(e.sizeZ(), 1);
    QCOMPARE(e.z(0), QVector<double>{4.0});
    const Eval &ce = e;
    QVERIFY(ce.z(7).isEmpty());
}

void tst_Eval::display_data()
{
    QTest::addColumn<QVector<QVector<double>>>("vectors");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one objective, one constraint")
        << QVector<QVector<double>>{{12.25}} << QVector<double>{0.0, 0.0}
        << QStringLiteral("<12.25 >[0][0]");
    QTest::newRow("two entries") << QVector<QVector<double>>{{3.5, 2.0}} << QVector<double>{}
                                 << QStringLiteral("<3.5 2 >");
    QTest::newRow("empty vector") << QVector<QVector<double>>{{}} << QVector<double>{1.0}
                                  << QStringLiteral("<>[1]");
    QTest::newRow("undefined and six digits")
        << QVector<QVector<double>>{{1e12, 3.14159265}, {-2.0}} << QVector<double>{0.0, 0.125}
        << QStringLiteral("<1e+12 3.14159 ><-2 >[0][0.125]");
}

void tst_Eval::display()
{
    QFETCH(QVector<QVector<double>>, vectors);
    QFETCH(QVector<double>, values);
    QFETCH(QString, expected);
    Eval e;
    for (const auto &v : vectors)
        e.addZ(v);
    for (double v : values)
        e.push_back(v);
    QCOMPARE(e.display(), expected);
}

void tst_Eval::nanStoredAsUndefined()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Eval e;
    e.addZ({nan, 2.0});
    e.push_front(nan);
    e.push_back(nan);
    e.shape(3, 0);
    e.setValue(2, nan);
    QCOMPARE(e.value(2), 1e12);
    Eval f;
    f.addZ({nan, 2.0});
    f.push_front(nan);
    QCOMPARE(f.z(0)[0], 1e12);
    QCOMPARE(f.z(0)[1], 2.0);
    QCOMPARE(f.value(0), 1e12);
}

void tst_Eval::refillKeepsNoOldEntries()
{
    Eval e;
    e.addZ({1.0, 2.0, 3.0});
    e.addZ({4.0});
    e.push_back(5.0);
    e.push_back(6.0);
    e.push_back(7.0);
    e.shape(2, 1);
    QCOMPARE(e.size(), 2);
    QCOMPARE(e.value(0), 0.0);
    QCOMPARE(e.value(1), 0.0);
    QCOMPARE(e.value(2), 1e12);
    QCOMPARE(e.sizeZ(), 1);
    e.clear();
    QCOMPARE(e.size(), 0);
    QCOMPARE(e.sizeZ(), 0);

    e.push_back(1.0);
    e.push_front(2.0);
    e.push_front(3.0);
    QCOMPARE(e.value(0), 3.0);
    QCOMPARE(e.value(1), 2.0);
    QCOMPARE(e.value(2), 1.0);
    e.addZ({1.0});
    e.clearZ();
    QCOMPARE(e.sizeZ(), 0);
    QCOMPARE(e.size(), 3);
}

void tst_Eval::liveCount()
{
    const int before = Eval::nbocc;
    {
        Eval a;
        Eval b(a);
        Eval *c = new Eval(&b);
        QCOMPARE(Eval::nbocc.load(), before + 3);
        delete c;
        QCOMPARE(Eval::nbocc.load(), before + 2);
    }
    QCOMPARE(Eval::nbocc.load(), before);
}

QTEST_APPLESS_MAIN(tst_Eval)
#include "tst_Eval.moc"
