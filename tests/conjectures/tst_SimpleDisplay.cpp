#include "conjectures/SimpleDisplay.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_SimpleDisplay : public QObject
{
    Q_OBJECT
private slots:
    void clicksCycle_data()
    {
        QTest::addColumn<QVector<int>>("support");
        QTest::addColumn<QStringList>("shown"); // before any click, then after each click
        QTest::addColumn<QList<int>>("emitted");
        // Shown as given: the numbers the explorer's table gives its graphs.
        QTest::newRow("three graphs")
            << QVector<int>{4, 9, 2} << QStringList{"4", "9", "2", "4"} << QList<int>{9, 2, 4};
        QTest::newRow("one graph")
            << QVector<int>{1} << QStringList{"1", "1", "1"} << QList<int>{1, 1};
        QTest::newRow("no graph") << QVector<int>{} << QStringList{"-", "-", "-"} << QList<int>{};
    }
    void clicksCycle()
    {
        QFETCH(QVector<int>, support);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, emitted);
        SimpleDisplay line(QStringLiteral("1 a <= 2 b"), support, support.size(), 0.25);
        QLabel *number = line.findChildren<QLabel *>().first();
        QPushButton *formula = line.findChild<QPushButton *>();
        QVERIFY(formula->isFlat() && formula->text() == QStringLiteral("1 a <= 2 b"));
        QSignalSpy spy(&line, &SimpleDisplay::signal_load_graph);
        QCOMPARE(number->text(), shown.first());
        for (int i = 1; i < shown.size(); ++i) {
            QTest::mouseClick(formula, Qt::LeftButton);
            QCOMPARE(number->text(), shown[i]);
        }
        QList<int> got;
        for (const QList<QVariant> &args : spy)
            got << args.first().toInt();
        QCOMPARE(got, emitted);
        const QPalette p = number->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(p.brush(group, QPalette::WindowText).color(), QColor(Qt::red));
    }

    void score_data()
    {
        QTest::addColumn<double>("sumErr");
        QTest::addColumn<int>("touching");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << 0.5 << 3 << "0.5\t3";
        QTest::newRow("six digits") << 1234567.0 << 12 << "1.23457e+06\t12";
        QTest::newRow("zero") << 0.0 << 1 << "0\t1";
    }
    void score()
    {
        QFETCH(double, sumErr);
        QFETCH(int, touching);
        QFETCH(QString, text);
        SimpleDisplay line(QStringLiteral("r"), {1}, touching, sumErr);
        QLabel *score = line.findChildren<QLabel *>().last();
        QCOMPARE(score->text(), text);
        QVERIFY(score->minimumWidth() == 200 && score->maximumWidth() == 200);
        QCOMPARE(line.getFormula(), QStringLiteral("r"));
    }
};

QTEST_MAIN(tst_SimpleDisplay)
#include "tst_SimpleDisplay.moc"
