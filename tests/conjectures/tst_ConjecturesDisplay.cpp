#include "conjectures/Conjecture.h"
#include "conjectures/ConjecturesDisplay.h"
#include "conjectures/SimpleDisplay.h"

#include <QGridLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest>

namespace
{

Conjecture record(const QString &text, QVector<int> support)
{
    return Conjecture(text, {1.0, -1.0}, 0.0, support.size(), 0.5, support);
}

/// The lines as laid out in the scroll area, in order.
QList<SimpleDisplay *> shownLines(ConjecturesDisplay &d)
{
    QList<SimpleDisplay *> out;
    QScrollArea *area = d.findChild<QScrollArea *>();
    if (!area || !area->widget() || !area->widget()->layout())
        return out;
    QLayout *box = area->widget()->layout();
    for (int i = 0; i < box->count(); ++i)
        out << qobject_cast<SimpleDisplay *>(box->itemAt(i)->widget());
    return out;
}

} // namespace

class tst_ConjecturesDisplay : public QObject
{
    Q_OBJECT
private slots:
    void fillAndRead_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("report");
        QTest::newRow("empty list") << QStringList{} << QString();
        QTest::newRow("A then B") << QStringList{"A", "B"} << "A\nB\n";
        QTest::newRow("one") << QStringList{"1 p <= 2 q+3"} << "1 p <= 2 q+3\n";
    }
    /// clear, add, rebuild as the panel fills the list; twice, so that the second fill
    /// replaces the first.
    void fillAndRead()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, report);
        ConjecturesDisplay d;
        QVERIFY(d.minimumWidth() >= 400 && d.isHidden());
        for (int round = 0; round < 2; ++round) {
            d.clear();
            for (const QString &t : texts) {
                Conjecture c = record(t, {3});
                d.addConjecture(&c);
            }
            QCOMPARE(d.getConjectures(), report);
            QVERIFY(shownLines(d).isEmpty()); // laid out only at rebuild()
            d.rebuild();
            QCOMPARE(d.findChildren<QScrollArea *>().size(), 1);
            const QList<SimpleDisplay *> lines = shownLines(d);
            QCOMPARE(lines.size(), texts.size());
            for (int i = 0; i < lines.size(); ++i) {
                QCOMPARE(lines[i]->getFormula(), texts[i]);
                QVERIFY(lines[i]->maximumHeight() == 40 && !lines[i]->isHidden());
            }
            QCOMPARE(d.findChildren<SimpleDisplay *>().size(), texts.size());
            int row, column, rowSpan, columnSpan;
            QGridLayout *grid = d.findChild<QGridLayout *>();
            grid->getItemPosition(grid->indexOf(d.findChild<QScrollArea *>()), &row, &column,
                                  &rowSpan, &columnSpan);
            QVERIFY(row == 1 && column == 0 && rowSpan == 1 && columnSpan == 2);
            QCOMPARE(d.getConjectures(), report);
        }
    }

    void clearEdges_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("rebuilt");
        QTest::addColumn<int>("clears");
        QTest::newRow("empty list") << 0 << false << 1;
        QTest::newRow("twice in a row") << 2 << true << 2;
        QTest::newRow("before any rebuild") << 2 << false << 1;
        QTest::newRow("after rebuild") << 3 << true << 1;
    }
    void clearEdges()
    {
        QFETCH(int, lines);
        QFETCH(bool, rebuilt);
        QFETCH(int, clears);
        ConjecturesDisplay d;
        for (int i = 0; i < lines; ++i) {
            Conjecture c = record(QString::number(i), {i});
            d.addConjecture(&c);
        }
        QPointer<SimpleDisplay> first;
        if (lines > 0 && rebuilt) {
            d.rebuild();
            first = shownLines(d).first();
        }
        for (int i = 0; i < clears; ++i)
            d.clear();
        QVERIFY(d.getConjectures().isEmpty() && !d.findChild<QScrollArea *>());
        QVERIFY(d.findChildren<SimpleDisplay *>().isEmpty() && first.isNull());
    }

    /// A second rebuild keeps the lines of the first.
    void rebuildAgainKeepsLines()
    {
        ConjecturesDisplay d;
        Conjecture a = record("A", {0}), b = record("B", {1});
        d.addConjecture(&a);
        d.rebuild();
        d.addConjecture(&b);
        d.rebuild();
        QCOMPARE(shownLines(d).size(), 2);
        QCOMPARE(d.findChildren<QScrollArea *>().size(), 1);
        QCOMPARE(d.getConjectures(), QStringLiteral("A\nB\n"));
    }

    /// A click on a line's text reaches the list's signal with the graph stepped to.
    void clickForwarded()
    {
        ConjecturesDisplay d;
        Conjecture a = record("A", {4, 9}), b = record("B", {7});
        d.addConjecture(&a);
        d.addConjecture(&b);
        d.rebuild();
        QSignalSpy spy(&d, &ConjecturesDisplay::signal_load_graph);
        const QList<SimpleDisplay *> lines = shownLines(d);
        QTest::mouseClick(lines[0]->findChild<QPushButton *>(), Qt::LeftButton);
        QTest::mouseClick(lines[1]->findChild<QPushButton *>(), Qt::LeftButton);
        QTest::mouseClick(lines[0]->findChild<QPushButton *>(), Qt::LeftButton);
        QCOMPARE(spy.count(), 3);
        QVERIFY(spy[0][0] == 9 && spy[1][0] == 7 && spy[2][0] == 4);
    }
};

QTEST_MAIN(tst_ConjecturesDisplay)
#include "tst_ConjecturesDisplay.moc"
