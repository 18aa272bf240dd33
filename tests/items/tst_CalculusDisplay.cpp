#include "ItemProbes.h"
#include "StderrCapture.h"

#include "graph/Graph.h"
#include "items/CalculusDisplay.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <thread>

static QCheckBox *box(CalculusDisplay &d, const QString &text)
{
    for (QCheckBox *b : d.findChildren<QCheckBox *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

static QVector<QVector<double>> matrix(int rows, int cols, double base)
{
    QVector<QVector<double>> m(32, QVector<double>(32, 0.0));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            m[i][j] = base + 10 * i + j;
    return m;
}

class tst_CalculusDisplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void singleValue();
    void shrinkingValues();
    void emptyValue();
    void natureBoxesOfFreeItem();
    void natureBoxesOfValueItem();
    void complementRepublishes();
    void givenNameFollowsField();
    void bareDialogGivenName();
    void doneHidesAndRefreshes();
    void toggleDisplay();
    void workerPublicationIsQueued();
    void queuedUpdateAfterDeletionIsDropped();
};

void tst_CalculusDisplay::singleValue()
{
    CalculusDisplay d("X", "");
    QVector<QVector<double>> m(32, QVector<double>(32, 0.0));
    m[0][0] = 0.5;
    d.setValues(m, 1, 1);
    QCOMPARE(d.getNbRows(), 1);
    QCOMPARE(d.getNbCols(), 1);
    QCOMPARE(d.getValue(), 0.5);
    QCOMPARE(d.valueGrid()->item(0, 0)->text(), QStringLiteral("0.5"));
    m[0][0] = 1e12;
    d.setValues(m, 1, 1);
    QCOMPARE(d.valueGrid()->item(0, 0)->text(), QStringLiteral("1e+12"));
    m[0][0] = 1.0 / 3.0;
    d.setValues(m, 1, 1);
    QCOMPARE(d.valueGrid()->item(0, 0)->text(), QStringLiteral("0.333333"));
}

void tst_CalculusDisplay::shrinkingValues()
{
    CalculusDisplay d("X", "");
    d.setValues(matrix(5, 5, 1), 5, 5);
    QCOMPARE(d.valueGrid()->rowCount(), 5);
    QCOMPARE(d.valueGrid()->item(4, 4)->text(), QStringLiteral("45"));
    d.setValues(matrix(3, 1, 7), 3, 1);
    QCOMPARE(d.valueGrid()->rowCount(), 3);
    QCOMPARE(d.valueGrid()->columnCount(), 1);
    QCOMPARE(d.valueGrid()->item(2, 0)->text(), QStringLiteral("27"));
    QCOMPARE(d.getM()[4][4], 45.0); // outside the new size the store keeps the old entries
    QCOMPARE(d.getValue(), 7.0);
    // Oversized requests stay within the 32 x 32 store.
    d.setValues(matrix(32, 32, 0), 40, 40);
    QCOMPARE(d.getNbRows(), 32);
    QCOMPARE(d.getNbCols(), 32);
}

void tst_CalculusDisplay::emptyValue()
{
    CalculusDisplay d("X", "");
    d.setValues(matrix(2, 2, 1), 2, 2);
    d.setValues(matrix(0, 0, 0), 0, 0);
    QCOMPARE(d.getNbRows(), 0);
    QCOMPARE(d.valueGrid()->rowCount(), 0);
    QCOMPARE(d.valueGrid()->columnCount(), 0);
}

void tst_CalculusDisplay::natureBoxesOfFreeItem()
{
    OperatorProbe op(true);
    CalculusDisplay &d = *op.getCalculusDisplay();
    box(d, "Insert in explorer")->click();
    QVERIFY(d.inReport());
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(box(d, nature)->isEnabled());
    QVERIFY(d.graphInReport());
    box(d, "Vector")->click();
    QVERIFY(d.vecInReport());
    QVERIFY(!d.graphInReport());
    box(d, "Insert in explorer")->click();
    QVERIFY(!d.inReport());
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(!box(d, nature)->isEnabled());
    QVERIFY(d.vecInReport());
}

void tst_CalculusDisplay::natureBoxesOfValueItem()
{
    struct ValueItem : Invariant {
        explicit ValueItem() { initItem("V", "", "", true, Report::Value, true); }
        void recompute() override {}
    } value;
    CalculusDisplay &d = *value.getCalculusDisplay();
    QVERIFY(box(d, "Complement")->isEnabled());
    box(d, "Insert in explorer")->click();
    QVERIFY(d.inReport());
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(!box(d, nature)->isEnabled());
    QVERIFY(d.graphInReport());

    struct MatrixItem : Invariant {
        explicit MatrixItem() { initItem("M", "", "", true, Report::Matrix, true); }
        void recompute() override {}
    } matrixItem;
    QVERIFY(!box(*matrixItem.getCalculusDisplay(), "Insert in explorer")->isEnabled());
}

void tst_CalculusDisplay::complementRepublishes()
{
    Graph g("G", false);
    InvariantProbe item(true);
    item.setGraph(&g);
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const int id = g.getID();
    box(*item.getCalculusDisplay(), "Complement")->click();
    QCOMPARE(published.count(), 1);
    QVERIFY(g.getID() != id);
    QVERIFY(item.getCalculusDisplay()->invertGraph());
    item.compute(true);
    QVERIFY(item.invertGraphFlag);
    item.getCalculusDisplay()->setInvertGraph(false);
    QCOMPARE(published.count(), 2);
}

void tst_CalculusDisplay::givenNameFollowsField()
{
    OperatorProbe item(true);
    CalculusDisplay &d = *item.getCalculusDisplay();
    QLineEdit *field = d.findChild<QLineEdit *>();
    QTest::keyClicks(field, "Deg");
    QCOMPARE(d.givenName(), QStringLiteral("Deg"));
    bool mirrored = false;
    for (QLabel *l : d.findChildren<QLabel *>())
        mirrored |= l->text() == "Deg";
    QVERIFY(mirrored);
    QCOMPARE(item.givenName, QString());
    item.update_display();
    QCOMPARE(item.givenName, QStringLiteral("Deg"));
    item.setGivenName("Other");
    QCOMPARE(field->text(), QStringLiteral("Other"));
}

void tst_CalculusDisplay::bareDialogGivenName()
{
    struct Bare : CalculusDisplay {
        Bare() { setName("KEY"); }
    } d;
    QString name;
    const QByteArray err = captureStderr([&] { name = d.givenName(); });
    QCOMPARE(name, QStringLiteral("KEY"));
    QCOMPARE(err, QByteArray("KEY CalculusDisplay::givenName() => le_name not allocated\n"));
    QVERIFY(!d.nodInReport());
    d.setInReport(true); // no box: nothing happens
    QVERIFY(!d.inReport());
}

void tst_CalculusDisplay::doneHidesAndRefreshes()
{
    CalculusDisplay d("X", "");
    d.show();
    QSignalSpy refresh(&d, &CalculusDisplay::signal_refresh);
    const auto buttons = d.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 2);
    buttons[0]->click();
    QVERIFY(d.isHidden());
    QCOMPARE(refresh.count(), 1);
    d.show();
    buttons[1]->click();
    QVERIFY(d.isHidden());
    QCOMPARE(refresh.count(), 2);
}

void tst_CalculusDisplay::toggleDisplay()
{
    InvariantProbe item(true, "DEGREES");
    item.toggleDisplay();
    QVERIFY(item.getCalculusDisplay()->isVisible());
    QCOMPARE(item.getCalculusDisplay()->getName(), QStringLiteral("DEGREES"));
    item.toggleDisplay();
    QVERIFY(item.getCalculusDisplay()->isHidden());
    InvariantProbe bare;
    bare.toggleDisplay(); // no dialog: nothing to show
    QVERIFY(!bare.getCalculusDisplay());
}

void tst_CalculusDisplay::workerPublicationIsQueued()
{
    Graph g("G", false);
    g.randomGraph(6);
    OperatorProbe item(true);
    item.setGraph(&g);
    item.shapeRows = 4;
    item.shapeCols = 2;
    item.failNext = false;
    std::thread worker([&] { item.bestBackup(); });
    worker.join();
    // Computed in the worker; the dialog hears of it only through the GUI thread's queue.
    QCOMPARE(item.rows, 4);
    QCOMPARE(item.getCalculusDisplay()->getNbRows(), 0);
    QTRY_COMPARE(item.getCalculusDisplay()->getNbRows(), 4);
    QCOMPARE(item.getCalculusDisplay()->getNbCols(), 2);
    QCOMPARE(item.getCalculusDisplay()->getM()[3][1], 301.5);
    QCOMPARE(item.getCalculusDisplay()->valueGrid()->item(3, 1)->text(), QStringLiteral("301.5"));
}

void tst_CalculusDisplay::queuedUpdateAfterDeletionIsDropped()
{
    Graph g("G", false);
    auto *item = new OperatorProbe(true);
    item->setGraph(&g);
    std::thread worker([item] { item->bestBackup(); });
    worker.join();
    delete item; // the queued update now has nobody to update
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CalculusDisplay *>(w));
}

QTEST_MAIN(tst_CalculusDisplay)
#include "tst_CalculusDisplay.moc"
