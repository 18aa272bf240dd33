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

/// Row, column, row span and column span of a widget in the window's grid.
QVector<int> cellOf(ConjectureSettings &s, QWidget *w)
{
    QGridLayout *grid = s.findChild<QGridLayout *>();
    QVector<int> c(4, -1);
    grid->getItemPosition(grid->indexOf(w), &c[0], &c[1], &c[2], &c[3]);
    return c;
}

/// The button of variable i: row i mod 21, in block i / 21 of four columns.
QRadioButton *button(ConjectureSettings &s, int i, const QString &text)
{
    for (QRadioButton *b : s.findChildren<QRadioButton *>())
        if (b->text() == text && cellOf(s, b)[0] == i % 21 && cellOf(s, b)[1] / 4 == i / 21)
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
        QVERIFY(s.isHidden() && s.windowTitle() == QStringLiteral("Conjectures settings"));
        QVERIFY(s.minimumWidth() == 200 && s.minimumHeight() == 50);
        s.show();
        QTest::mouseClick(s.findChild<QPushButton *>(), Qt::LeftButton);
        QVERIFY(s.isHidden());
    }

    void layout_data()
    {
        QTest::addColumn<QList<int>>("counts"); // successive setVariables calls
        QTest::newRow("none") << QList<int>{0};
        QTest::newRow("21 fill one block") << QList<int>{21};
        QTest::newRow("22 open a second block") << QList<int>{22};
        QTest::newRow("43 open a third block") << QList<int>{43};
        QTest::newRow("rebuilt smaller") << QList<int>{22, 2};
        QTest::newRow("rebuilt to none") << QList<int>{5, 0};
    }
    /// Label then "Lower", "Both" (checked), "Upper" on each row; "Close" under the longest
    /// block, four columns wide; the previous rows are deleted, not hidden.
    void layout()
    {
        QFETCH(QList<int>, counts);
        ConjectureSettings s;
        for (int n : counts) {
            s.setVariables(names(n));
            const QList<QLabel *> labels = s.findChildren<QLabel *>();
            QVERIFY(labels.size() == n && s.findChildren<QRadioButton *>().size() == 3 * n);
            for (QLabel *label : labels) {
                const int i = label->text().mid(1).toInt();
                const QVector<int> c = cellOf(s, label);
                QVERIFY2(c[0] == i % 21 && c[1] == 4 * (i / 21), qPrintable(label->text()));
                const QStringList texts{"Lower", "Both", "Upper"};
                for (int b = 0; b < 3; ++b) {
                    QRadioButton *r = button(s, i, texts[b]);
                    QVERIFY(r && cellOf(s, r)[1] == c[1] + 1 + b && r->isChecked() == (b == 1));
                }
            }
            QCOMPARE(cellOf(s, s.findChild<QPushButton *>()), QVector<int>({qMin(n, 21), 0, 1, 4}));
            QCOMPARE(s.getPatterns(), QVector<int>(n, 0));
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
