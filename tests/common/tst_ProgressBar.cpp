#include "common/ProgressBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_ProgressBar : public QObject
{
    Q_OBJECT
private slots:
    void rebuiltByCount_data();
    void rebuiltByCount();
    void outOfRangeBarsIgnored();
    void cancelEmits();
};

void tst_ProgressBar::rebuiltByCount_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("grow") << QList<int>{1, 4};
    QTest::newRow("shrink") << QList<int>{4, 2};
    QTest::newRow("to none") << QList<int>{3, 0};
}

void tst_ProgressBar::rebuiltByCount()
{
    QFETCH(QList<int>, counts);
    ProgressBar p;
    QCOMPARE(p.findChild<QLabel *>()->text(), QStringLiteral("Progress"));
    p.setName(QStringLiteral("Searching"));
    QCOMPARE(p.findChild<QLabel *>()->text(), QStringLiteral("Searching"));
    for (int n : counts) {
        p.slot_progress(0, 50, 100);
        p.set_nb_bars(n);
        // Old bars are deleted, not merely hidden, and new ones start at 0 of 100.
        const auto bars = p.findChildren<QProgressBar *>();
        QCOMPARE(bars.size(), n);
        for (QProgressBar *b : bars) {
            QCOMPARE(b->value(), 0);
            QCOMPARE(b->maximum(), 100);
        }
    }
    QVERIFY(p.minimumWidth() >= 300);
}

void tst_ProgressBar::outOfRangeBarsIgnored()
{
    ProgressBar p;
    p.set_nb_bars(2);
    p.slot_progress(1, 7, 20);
    QCOMPARE(p.bar(1)->value(), 7);
    QCOMPARE(p.bar(1)->maximum(), 20);
    // A value above the previous maximum is kept.
    p.slot_progress(1, 150, 200);
    QCOMPARE(p.bar(1)->value(), 150);
    p.slot_progress(1, 7, 20);
    p.slot_progress(-1, 3, 5);
    p.slot_progress(2, 3, 5);
    QCOMPARE(p.bar(0)->value(), 0);
    QCOMPARE(p.bar(1)->value(), 7);
    // A count past int's range is clamped, never wrapped to a negative value.
    p.slot_progress(0, qint64(1) << 40, qint64(1) << 41);
    QVERIFY(p.bar(0)->value() >= 0);
}

void tst_ProgressBar::cancelEmits()
{
    ProgressBar p;
    p.set_nb_bars(1);
    QSignalSpy spy(&p, &ProgressBar::signal_cancel);
    QTest::mouseClick(p.findChild<QPushButton *>(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(tst_ProgressBar)
#include "tst_ProgressBar.moc"
