#include "conjectures/ConjectureSettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace
{

QStringList names(int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("v%1").arg(i);
    return out;
}

struct Cell {
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
};

Cell cellOf(QGridLayout *grid, QWidget *w)
{
    Cell c;
    const int index = grid->indexOf(w);
    if (index >= 0)
        grid->getItemPosition(index, &c.row, &c.column, &c.rowSpan, &c.columnSpan);
    return c;
}

QRadioButton *button(ConjectureSettings &s, int variable, const QString &text)
{
    QGridLayout *grid = s.findChild<QGridLayout *>();
    for (QRadioButton *b : s.findChildren<QRadioButton *>())
        if (b->text() == text && cellOf(grid, b).row == variable % 21 &&
            cellOf(grid, b).column / 4 == variable / 21)
            return b;
    return nullptr;
}

} // namespace

class tst_ConjectureSettings : public QObject
{
    Q_OBJECT
private slots:
    void window()
    {
        ConjectureSettings s;
        QVERIFY(s.isHidden());
        QCOMPARE(s.windowTitle(), QStringLiteral("Conjectures settings"));
        QVERIFY(s.minimumWidth() == 200 && s.minimumHeight() == 50);
        s.show();
        QTest::mouseClick(s.findChild<QPushButton *>(), Qt::LeftButton);
        QVERIFY(s.isHidden());
    }

    void layout_data()
    {
        QTest::addColumn<QList<int>>("counts"); // successive setVariables calls
        QTest::newRow("none") << QList<int>{0};
        QTest::newRow("three") << QList<int>{3};
        QTest::newRow("21 fill one block") << QList<int>{21};
        QTest::newRow("22 open a second block") << QList<int>{22};
        QTest::newRow("43 open a third block") << QList<int>{43};
        QTest::newRow("rebuilt smaller") << QList<int>{22, 2};
        QTest::newRow("rebuilt to none") << QList<int>{5, 0};
    }
    /// Variable i at row i mod 21, its block four columns per 21 variables; "Close" under the
    /// longest block, spanning four columns; the previous rows are deleted, not hidden.
    void layout()
    {
        QFETCH(QList<int>, counts);
        ConjectureSettings s;
        QGridLayout *grid = s.findChild<QGridLayout *>();
        QPushButton *close = s.findChild<QPushButton *>();
        for (int n : counts) {
            s.setVariables(names(n));
            const QList<QLabel *> labels = s.findChildren<QLabel *>();
            QCOMPARE(labels.size(), n);
            QCOMPARE(s.findChildren<QRadioButton *>().size(), 3 * n);
            for (QLabel *label : labels) {
                const int i = label->text().mid(1).toInt();
                const Cell c = cellOf(grid, label);
                QVERIFY2(c.row == i % 21 && c.column == 4 * (i / 21), qPrintable(label->text()));
                const QStringList texts{"Lower", "Both", "Upper"};
                for (int b = 0; b < 3; ++b) {
                    QRadioButton *r = button(s, i, texts[b]);
                    QVERIFY(r);
                    QCOMPARE(cellOf(grid, r).column, c.column + 1 + b);
                    QCOMPARE(r->isChecked(), b == 1);
                }
            }
            const Cell c = cellOf(grid, close);
            QVERIFY(c.row == qMin(n, 21) && c.column == 0 && c.rowSpan == 1 && c.columnSpan == 4);
            QCOMPARE(s.getPatterns().size(), n);
        }
    }

    void patterns_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("clicks"); // "variable:button" in order
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("Upper on the second of three")
            << 3 << QStringList{"1:Upper"} << QVector<int>{0, 1, 0};
        QTest::newRow("Lower, Both, Upper")
            << 3 << QStringList{"0:Lower", "2:Upper"} << QVector<int>{-1, 0, 1};
        QTest::newRow("one choice per row: the last click holds")
            << 2 << QStringList{"0:Upper", "0:Lower", "1:Lower", "1:Both"} << QVector<int>{-1, 0};
        QTest::newRow("second block") << 23 << QStringList{"21:Lower", "22:Upper"}
                                      << (QVector<int>(21, 0) << -1 << 1);
        QTest::newRow("empty") << 0 << QStringList{} << QVector<int>{};
    }
    void patterns()
    {
        QFETCH(int, count);
        QFETCH(QStringList, clicks);
        QFETCH(QVector<int>, expected);
        ConjectureSettings s;
        s.setVariables(names(count));
        for (const QString &click : clicks) {
            QRadioButton *b = button(s, click.section(':', 0, 0).toInt(), click.section(':', 1));
            QVERIFY(b);
            QTest::mouseClick(b, Qt::LeftButton);
        }
        QCOMPARE(s.getPatterns(), expected);
        s.setVariables(names(count)); // a table update resets every choice
        QCOMPARE(s.getPatterns(), QVector<int>(count, 0));
    }
};

QTEST_MAIN(tst_ConjectureSettings)
#include "tst_ConjectureSettings.moc"
