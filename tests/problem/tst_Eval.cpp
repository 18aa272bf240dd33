#include "problem/Eval.h"

#include <QtTest>

#include <cmath>

class tst_Eval : public QObject
{
    Q_OBJECT
private slots:
    void violatedAndDisplay_data();
    void violatedAndDisplay();
    void copiesAndOutOfRange();
};

void tst_Eval::violatedAndDisplay_data()
{
    using Vectors = QVector<QVector<double>>;
    QTest::addColumn<Vectors>("vectors");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("violated");
    QTest::addColumn<QString>("display");
    const double nan = std::nan("");
    QTest::newRow("nothing") << Vectors{} << QVector<double>{} << false << QString();
    QTest::newRow("error flag") << Vectors{{}} << QVector<double>{1, 0} << true << "<>[1][0]";
    QTest::newRow("exactly 1e-6") << Vectors{} << QVector<double>{0, 1e-6} << false << "[0][1e-06]";
    QTest::newRow("1.5e-6") << Vectors{} << QVector<double>{0, 1.5e-6} << true << "[0][1.5e-06]";
    QTest::newRow("negative") << Vectors{{2}} << QVector<double>{0, -5} << false << "<2 >[0][-5]";
    QTest::newRow("six digits") << Vectors{{1e12, 3.14159265}, {-2.0}} << QVector<double>{0, 0.125}
                                << true << "<1e+12 3.14159 ><-2 >[0][0.125]";
    // NaN anywhere is stored as the undefined value, which is a violation.
    QTest::newRow("NaN") << Vectors{{nan, 2}} << QVector<double>{nan, 0} << true
                         << "<1e+12 2 >[1e+12][0]";
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

void tst_Eval::copiesAndOutOfRange()
{
    Eval a, b;
    a.addZ({1.0, 2.0});
    a.push_back(0.0);
    a.push_back(3.0);
    b.addZ({9.0});
    b.addZ({9.0});
    b.push_back(7.0);
    b.copy(&a);
    b.z(0)[0] = -1.0;
    b.setValue(1, 42.0);
    Eval c(a);
    a.z(0)[1] = 5.0;
    QCOMPARE(a.display() + b.display() + c.display(),
             QString("<1 5 >[0][3]<-1 2 >[0][42]<1 2 >[0][3]"));
    // Reads beyond the ends give the undefined value or a scratch vector; NaN writes, 1e12.
    QCOMPARE(c.value(2), 1e12);
    QCOMPARE(c.zvalue(1), 1e12);
    c.z(1).append(13.0);
    QVERIFY(c.z(1).isEmpty() && c.z(-1).isEmpty());
    c.push_front(std::nan(""));
    c.setValue(1, std::nan(""));
    QCOMPARE(c.display(), QString("<1 2 >[1e+12][1e+12][3]"));
}

QTEST_APPLESS_MAIN(tst_Eval)
#include "tst_Eval.moc"
