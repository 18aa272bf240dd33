#include "ShownLines.h"
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

void add(ConjecturesDisplay &d, const QString &text, QVector<int> support = {0})
{
    Conjecture c(text, {1.0, -1.0}, 0.0, support.size(), 0.5, support);
    d.addConjecture(&c); // the list keeps copies of the values
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
    }
    /// Filled as the panel fills it (clear, add, rebuild), twice: the second fill replaces
    /// the first; an empty fill shows an empty scroll area under the title.
    void fillAndRead()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, report);
        ConjecturesDisplay d;
        QVERIFY(d.minimumWidth() >= 400 && d.isHidden());
        QCOMPARE(d.windowTitle(), QStringLiteral("Conjectures"));
        for (int round = 0; round < 2; ++round) {
            d.clear();
            for (const QString &t : texts)
                add(d, t);
            QVERIFY(d.getConjectures() == report && shownLines(d).isEmpty());
            d.rebuild();
            const QList<SimpleDisplay *> lines = shownLines(d);
            QCOMPARE(lines.size(), texts.size());
            for (int i = 0; i < lines.size(); ++i)
                QVERIFY(lines[i]->getFormula() == texts[i] && lines[i]->maximumHeight() == 40);
            QVERIFY(d.findChildren<SimpleDisplay *>().size() == texts.size() &&
                    d.findChildren<QScrollArea *>().size() == 1);
            QGridLayout *grid = d.findChild<QGridLayout *>();
            int row, column, rowSpan, columnSpan;
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
    }
    void clearEdges()
    {
        QFETCH(int, lines);
        QFETCH(bool, rebuilt);
        QFETCH(int, clears);
        ConjecturesDisplay d;
        for (int i = 0; i < lines; ++i)
            add(d, QString::number(i));
        QPointer<SimpleDisplay> first;
        if (rebuilt) {
            d.rebuild();
            first = shownLines(d).value(0);
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
        add(d, "A");
        d.rebuild();
        add(d, "B");
        d.rebuild();
        QVERIFY(shownLines(d).size() == 2 && d.findChildren<QScrollArea *>().size() == 1);
        QCOMPARE(d.getConjectures(), QStringLiteral("A\nB\n"));
    }

    /// A click on a line's text reaches the list's signal with the graph stepped to.
    void clickForwarded()
    {
        ConjecturesDisplay d;
        add(d, "A", {4, 9});
        add(d, "B", {7});
        d.rebuild();
        QSignalSpy spy(&d, &ConjecturesDisplay::signal_load_graph);
        const QList<SimpleDisplay *> lines = shownLines(d);
        for (int i : {0, 1, 0})
            QTest::mouseClick(lines[i]->findChild<QPushButton *>(), Qt::LeftButton);
        QCOMPARE(spy.count(), 3);
        QVERIFY(spy[0][0] == 9 && spy[1][0] == 7 && spy[2][0] == 4);
    }
};

QTEST_MAIN(tst_ConjecturesDisplay)
#include "tst_ConjecturesDisplay.moc"
