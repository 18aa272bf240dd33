#include "ItemProbes.h"

#include "graph/Graph.h"
#include "items/CalculusDisplay.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <thread>

static QCheckBox *box(CalculusDisplay &d, const QString &text)
{
    d.buildControls();
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
    void values();
    void boxes();
    void settingsBeforeControls_data();
    void settingsBeforeControls();
    void workerPublicationIsQueued();
    void queuedUpdateAfterDeletionIsDropped();
};

void tst_CalculusDisplay::values()
{
    CalculusDisplay d("X", "");
    // rows, cols, first entry; the grid's last cell at six digits.
    const struct {
        int rows, cols;
        double base;
        const char *last;
    } cases[] = {
        {1, 1, 1.0 / 3.0, "0.333333"}, {1, 1, 1e12, "1e+12"}, {5, 5, 1, "45"}, {3, 1, 7, "27"}};
    for (const auto &c : cases) {
        d.setValues(matrix(c.rows, c.cols, c.base), c.rows, c.cols);
        QCOMPARE(QPoint(d.valueGrid()->rowCount(), d.valueGrid()->columnCount()),
                 QPoint(c.rows, c.cols));
        QCOMPARE(d.valueGrid()->item(c.rows - 1, c.cols - 1)->text(), QString(c.last));
        QCOMPARE(d.getValue(), c.base);
    }
    // Oversized requests stay within the 32 x 32 store.
    d.setValues(matrix(32, 32, 0), 40, 40);
    QCOMPARE(QPoint(d.getNbRows(), d.getNbCols()), QPoint(32, 32));
    d.setValues(matrix(0, 0, 0), 0, 0);
    QCOMPARE(d.valueGrid()->rowCount(), 0);
}

void tst_CalculusDisplay::boxes()
{
    Graph g("G", false);
    InvariantProbe item(true);
    item.setGraph(&g);
    CalculusDisplay &d = *item.getCalculusDisplay();
    box(d, "Insert in explorer")->click();
    QVERIFY(d.inReport() && d.graphInReport());
    box(d, "Vector")->click();
    QVERIFY(d.vecInReport() && !d.graphInReport());
    box(d, "Insert in explorer")->click();
    for (const char *nature : {"Graph Value", "Node Value", "Vector"})
        QVERIFY(!box(d, nature)->isEnabled());
    // The complement box republishes the graph and reaches the item's next computation.
    QSignalSpy published(&g, &Graph::signal_best_graph_changed);
    const int id = g.getID();
    box(d, "Complement")->click();
    QVERIFY(published.count() == 1 && g.getID() != id);
    item.compute(true);
    QVERIFY(item.invertGraphFlag);
}

/// What a dialog shows and reads: the five settings, the three enabled states, the given name.
static QStringList shown(CalculusDisplay &d)
{
    QStringList out{QString("reads %1%2%3%4%5 name %6")
                        .arg(d.inReport())
                        .arg(d.graphInReport())
                        .arg(d.nodInReport())
                        .arg(d.vecInReport())
                        .arg(d.invertGraph())
                        .arg(d.givenName())};
    for (const char *text :
         {"Insert in explorer", "Graph Value", "Node Value", "Vector", "Complement"})
        out << QString("%1 %2%3")
                   .arg(text)
                   .arg(box(d, text)->isChecked())
                   .arg(box(d, text)->isEnabled());
    out << d.findChild<QLineEdit *>()->text();
    return out;
}

// A dialog keeps what it is told before its controls exist and shows it once built, exactly as
// a dialog built at once does; both republish the graph alike when the complement changes.
void tst_CalculusDisplay::settingsBeforeControls_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("report a vector") << QStringList{"report 1", "vector 1", "graph 0"};
    QTest::newRow("the ticked nature stays") << QStringList{"node 1", "node 0", "vector 0"};
    QTest::newRow("nature cut off from the report box")
        << QStringList{"disconnect", "click report"};
    QTest::newRow("nature offered") << QStringList{"offer natures 1"};
    QTest::newRow("nature follows the report box") << QStringList{"click report"};
    QTest::newRow("complement on and off")
        << QStringList{"offer complement 1", "complement 1", "complement 1", "complement 0"};
    QTest::newRow("no report") << QStringList{"offer report 0", "report 1"};
    QTest::newRow("name") << QStringList{"name a<NEW>b\tc"};
}

void tst_CalculusDisplay::settingsBeforeControls()
{
    QFETCH(QStringList, steps);
    Graph g("G", false);
    CalculusDisplay early("X", ""), late("X", "");
    QVERIFY(late.findChildren<QWidget *>().isEmpty()); // nothing built for a closed dialog
    early.buildControls();
    int published[2] = {0, 0};
    for (CalculusDisplay *d : {&early, &late}) {
        d->setGraph(&g);
        QSignalSpy spy(&g, &Graph::signal_best_graph_changed);
        for (const QString &step : steps) {
            const bool on = step.endsWith('1');
            if (step.startsWith("report"))
                d->setInReport(on);
            else if (step.startsWith("graph"))
                d->setGraphInReport(on);
            else if (step.startsWith("node"))
                d->setNodInReport(on);
            else if (step.startsWith("vector"))
                d->setVecInReport(on);
            else if (step.startsWith("complement"))
                d->setInvertGraph(on);
            else if (step.startsWith("offer natures"))
                d->enableNatureInReport(on);
            else if (step.startsWith("offer complement"))
                d->enableInvertGraph(on);
            else if (step.startsWith("offer report"))
                d->enableReport(on);
            else if (step == "disconnect")
                d->disconnectReport();
            else if (step == "click report")
                box(*d, "Insert in explorer")->click();
            else if (step.startsWith("name"))
                d->setGivenName(step.mid(5));
        }
        published[d == &late] = spy.count();
    }
    QCOMPARE(shown(late), shown(early));
    QCOMPARE(published[1], published[0]);
}

void tst_CalculusDisplay::workerPublicationIsQueued()
{
    Graph g("G", false);
    g.randomGraph(6);
    OperatorProbe item(true);
    item.setGraph(&g);
    item.shapeRows = 4;
    item.shapeCols = 2;
    std::thread([&] { item.bestBackup(); }).join();
    // Computed in the worker; the dialog hears of it only through the GUI thread's queue.
    QCOMPARE(item.getCalculusDisplay()->getNbRows(), 0);
    QTRY_COMPARE(item.getCalculusDisplay()->getNbRows(), 4);
    QCOMPARE(item.getCalculusDisplay()->valueGrid()->item(3, 1)->text(), QStringLiteral("301.5"));
}

void tst_CalculusDisplay::queuedUpdateAfterDeletionIsDropped()
{
    Graph g("G", false);
    auto *item = new OperatorProbe(true);
    item->setGraph(&g);
    std::thread([item] { item->bestBackup(); }).join();
    delete item; // the queued update now has nobody to update
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CalculusDisplay *>(w));
}

QTEST_MAIN(tst_CalculusDisplay)
#include "tst_CalculusDisplay.moc"
