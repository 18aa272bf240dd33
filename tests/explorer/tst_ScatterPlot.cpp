#include "ExplorerFixtures.h"
#include "Patience.h"
#include "PresetPrompts.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "explorer/RowFilterModel.h"
#include "explorer/ScatterPlot.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace QtCharts;

class tst_ScatterPlot : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(99); }
    void pointsAreTheColumns_data();
    void pointsAreTheColumns();
    void clickOnPoint_data();
    void clickOnPoint();
    void pdfPageIsDrawn();
};

void tst_ScatterPlot::pointsAreTheColumns_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("all rows") << "" << 0 << 1;
    QTest::newRow("filtered, axes swapped") << "a > 3" << 1 << 0;
    QTest::newRow("one column on both axes") << "b <= 5" << 2 << 2;
}

void tst_ScatterPlot::pointsAreTheColumns()
{
    QFETCH(QString, filter);
    QFETCH(int, x);
    QFETCH(int, y);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVector<QVector<double>> rows;
    QVector<int> nos;
    for (int k = 0; k < 300; ++k) {
        rows << QVector<double>{double(qrand() % 10), double(qrand() % 10), qrand() % 100 / 7.0};
        nos << k / 3 + 1;
    }
    // Missing, undefined and infinite values give no point.
    rows[5][0] = nan;
    rows[6][1] = 1e12;
    rows[7][2] = -std::numeric_limits<double>::infinity();
    Analyst table;
    table.setTable({"a", "b", "c"}, rows, nos);
    RowFilterModel kept(&table);
    QString error;
    QVERIFY(kept.setFilterText(filter, error));
    ScatterPlot plot(&table, &kept);
    plot.show();
    plot.setAxes(x, y);
    QVector<QPointF> expected;
    QVector<int> expectedRows;
    RowFilter f;
    QVERIFY(f.parse(filter, table.getHeader(), error));
    for (int r = 0; r < rows.size(); ++r) {
        const double px = rows[r][x], py = rows[r][y];
        if (f.accepts(rows[r]) && std::isfinite(px) && std::isfinite(py) && std::fabs(px) < 1e12 &&
            std::fabs(py) < 1e12) {
            expected << QPointF(px, py);
            expectedRows << r;
        }
    }
    QVERIFY(expected.size() > 50);
    QCOMPARE(plot.points(), expected);
    QCOMPARE(plot.pointRows(), expectedRows);
    // Each point is picked as its own row's graph.
    QSignalSpy picked(&plot, &ScatterPlot::signal_graph_picked);
    for (int k = 0; k < expected.size(); k += 17) {
        const int row = plot.rowNear(expected[k]);
        QCOMPARE(rows[row][x], expected[k].x());
        QCOMPARE(rows[row][y], expected[k].y());
        plot.pick(expected[k]);
        QCOMPARE(picked.last().at(0).toInt(), nos[row]);
    }
    // A changed filter or table is followed.
    QVERIFY(kept.setFilterText("c > 1000", error));
    QVERIFY(plot.points().isEmpty());
    QCOMPARE(plot.rowNear(QPointF(1, 1)), -1);
}

void tst_ScatterPlot::clickOnPoint_data()
{
    QTest::addColumn<bool>("onPoint");
    QTest::addColumn<QPoint>("drag"); // pixels moved before the release
    QTest::newRow("click on a point") << true << QPoint();
    QTest::newRow("hand shaking a pixel") << true << QPoint(1, 0);
    QTest::newRow("drag from a point zooms") << true << QPoint(120, 80);
    QTest::newRow("click beside the points") << false << QPoint();
    QTest::newRow("drag from beside the points zooms") << false << QPoint(120, 80);
}

void tst_ScatterPlot::clickOnPoint()
{
    QFETCH(bool, onPoint);
    QFETCH(QPoint, drag);
    Graph mainGraph("graph", true);
    Problem board(&mainGraph, "board", false);
    fillBoard(board);
    DataLoader loader;
    const QStringList list = randomList(60, [](int k) { return 4 + k % 5; });
    for (const QString &g : list)
        loader.addGraph(g);
    AnalystWidget w("graphs", &board, &mainGraph, &loader, false);
    QSignalSpy ready(&w, &AnalystWidget::signal_table_ready);
    w.slot_data_loaded();
    QVERIFY(ready.wait(kPatienceMs));
    w.findChild<QTabWidget *>()->setCurrentWidget(w.plot());
    w.resize(800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList header = w.analyst()->getHeader();
    w.plot()->setAxes(header.indexOf("ORDER"), header.indexOf("SIZE"));
    QCOMPARE(w.plot()->points().size(), 60);

    // Where the chart draws point k, or a corner of the plot far from every point.
    QChartView *view = w.plot()->chartView();
    QChart *chart = view->chart();
    const int k = 41;
    const QPointF inChart =
        onPoint ? chart->mapToPosition(w.plot()->points()[k], chart->series().first())
                : chart->plotArea().topLeft() + QPointF(3, 3);
    const QPoint at = view->mapFromScene(chart->mapToScene(inChart));
    auto *xAxis = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).first());
    const double span = xAxis->max() - xAxis->min();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    if (!drag.isNull()) {
        QMouseEvent move(QEvent::MouseMove, at + drag, view->viewport()->mapToGlobal(at + drag),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
    }
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at + drag);

    const bool zoomed = drag.manhattanLength() >= QApplication::startDragDistance();
    QCOMPARE(xAxis->max() - xAxis->min() < span * 0.9, zoomed);
    if (!onPoint || zoomed) {
        QCOMPARE(w.currentGraph(), 0);
        return;
    }
    // Another graph with the same two values may be the one picked: its values must match.
    const int no = w.plot()->pointRows()[k] + 1;
    QVERIFY(w.currentGraph() > 0);
    for (const char *column : {"ORDER", "SIZE"})
        QCOMPARE(w.analyst()->getLine(w.currentGraph() - 1)[header.indexOf(column)],
                 w.analyst()->getLine(no - 1)[header.indexOf(column)]);
    QCOMPARE(mainGraph.graphData(), list[w.currentGraph() - 1]);
    QVERIFY(w.plot()->highlightedPoints().contains(w.plot()->points()[k]));
    QCOMPARE(w.plot()->highlightedPoints().size(), 1);
}

void tst_ScatterPlot::pdfPageIsDrawn()
{
    Analyst table;
    QVector<QVector<double>> rows;
    for (int k = 0; k < 40; ++k)
        rows << QVector<double>{double(k), double(k * k % 17)};
    table.setTable({"a", "b"}, rows, QVector<int>(40, 1));
    RowFilterModel kept(&table);
    ScatterPlot plot(&table, &kept);
    plot.resize(700, 500);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("plot.pdf");
    PresetPrompts prompts;
    prompts.files << pdf;
    plot.slot_export_pdf();
    QVERIFY(prompts.messages.isEmpty());
    QProcess p;
    p.start("pdftoppm", {"-png", "-r", "30", "-singlefile", pdf, dir.filePath("page")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    int dark = 0;
    for (int yy = 0; yy < page.height(); ++yy)
        for (int xx = 0; xx < page.width(); ++xx)
            dark += qGray(page.pixel(xx, yy)) < 160;
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
    // An unwritable name is refused and said.
    prompts.files << dir.filePath("missing/plot.pdf");
    plot.slot_export_pdf();
    QCOMPARE(prompts.messages, QStringList{"Failed to export plot."});
}

QTEST_MAIN(tst_ScatterPlot)
#include "tst_ScatterPlot.moc"
