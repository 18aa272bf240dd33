#include "ExplorerFixtures.h"
#include "FileSizeLimit.h"
#include "Patience.h"
#include "PresetPrompts.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "explorer/RowFilterModel.h"
#include "graph/Node.h"
#include "items/CalculusDisplay.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <vector>

/// The main graph, the board and both explorers, as the application holds them.
struct Rig {
    Graph mainGraph{"graph", true};
    Problem board{&mainGraph, "board", false};
    DataLoader loader;
    AnalystWidget graphs{"graphs", &board, &mainGraph, &loader, false};
    AnalystWidget vertices{"vertices", &board, &mainGraph, &loader, true};
    Rig() { fillBoard(board); }

    static bool waitBuilt(AnalystWidget &w)
    {
        QSignalSpy ready(&w, &AnalystWidget::signal_table_ready);
        return ready.wait(kPatienceMs);
    }
    void pour(const QStringList &list)
    {
        loader.clear();
        for (const QString &g : list)
            loader.addGraph(g);
    }
    /// list poured into the loader and built into w's table.
    bool build(AnalystWidget &w, const QStringList &list)
    {
        pour(list);
        w.slot_data_loaded();
        return waitBuilt(w);
    }
};

class tst_AnalystWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(4321); }
    void tenThousandFromGeng();
    void malformedListFiles_data();
    void malformedListFiles();
    void filterKeepsBruteForceRows();
    void loadingGraphs_data();
    void loadingGraphs();
    void markingItemsRebuilds();
    void clearDatabase();
    void failedWritesKeepOldFile_data();
    void failedWritesKeepOldFile();
    void graphListRoundTrip_data();
    void graphListRoundTrip();
    void graphPdfSet();
    void dataLoadedAppends();
};

namespace
{
using Testers = std::vector<std::unique_ptr<QAbstractItemModelTester>>;

/// Qt's model checks over w's table and rows, run at every change while they live.
Testers watched(AnalystWidget &w)
{
    Testers out;
    for (QAbstractItemModel *m : {static_cast<QAbstractItemModel *>(w.analyst()),
                                  static_cast<QAbstractItemModel *>(w.rows())})
        out.emplace_back(new QAbstractItemModelTester(
            m, QAbstractItemModelTester::FailureReportingMode::QtTest));
    return out;
}

template <class T> T *withText(QWidget &parent, const QString &text)
{
    for (T *w : parent.findChildren<T *>())
        if (w->text().contains(text))
            return w;
    return nullptr;
}
} // namespace

void tst_AnalystWidget::tenThousandFromGeng()
{
    QList<QByteArray> lines = runProgram("nauty-geng", {"-q", "8"}).mid(0, 10000);
    QCOMPARE(lines.size(), 10000);
    QTemporaryDir dir;
    const QString g6 = writeFile(dir, "all8.g6", lines.join('\n') + '\n');

    Rig rig;
    QSignalSpy header(&rig.graphs, &AnalystWidget::signal_header_changed);
    QVERIFY(rig.graphs.loadGraphFile(g6));
    QVERIFY(rig.vertices.loadGraphFile(g6));
    QVERIFY(Rig::waitBuilt(rig.graphs));
    if (rig.vertices.isBuilding())
        QVERIFY(Rig::waitBuilt(rig.vertices));
    QCOMPARE(header.count(), 1);
    QCOMPARE(header.at(0).at(0).toStringList(), rig.graphs.analyst()->getHeader());

    // Row counts: one row per graph, one per vertex.
    Analyst *gt = rig.graphs.analyst(), *vt = rig.vertices.analyst();
    QCOMPARE(gt->nbRows(), 10000);
    QCOMPARE(vt->nbRows(), 80000);
    QVERIFY(rig.graphs.lastBadLines().isEmpty());

    // A sample against the board evaluated directly on the graph decoded by the fixture.
    Graph probe("probe", false);
    Problem direct(&probe, "direct", false);
    fillBoard(direct);
    for (int k = 0; k < 10000; k += 997) {
        loadInto(probe, fromGraph6(lines[k]));
        direct.compute(true);
        QCOMPARE(gt->getHeader(), direct.getReportNames(false));
        QCOMPARE(vt->getHeader(), direct.getReportNames(true));
        QCOMPARE(gt->graphNo(k), k + 1);
        QCOMPARE(gt->getLine(k), direct.getReportValues());
        for (int v = 1; v <= 8; ++v) {
            QCOMPARE(vt->graphNo(8 * k + v - 1), k + 1);
            QCOMPARE(vt->getLine(8 * k + v - 1), direct.getReportValues(v));
        }
    }

    // Table and list saved; the list read back into a fresh explorer gives the same table.
    const QString txt = dir.filePath("table.txt"), list = dir.filePath("list.dmvx3");
    QVERIFY(rig.graphs.saveTable(txt));
    QVERIFY(rig.graphs.saveGraphList(list));
    const QList<QByteArray> saved = readAll(txt).split('\n');
    QCOMPARE(saved.size(), 10002); // header, rows, and the empty piece after the last line feed
    QCOMPARE(QString::fromUtf8(saved[0]).split('\t'), gt->getHeader());
    for (int k = 0; k < 10000; k += 1111) {
        const QList<QByteArray> fields = saved[k + 1].split('\t');
        QCOMPARE(fields.size(), gt->getHeader().size());
        for (int c = 0; c < fields.size(); ++c)
            QCOMPARE(fields[c], QByteArray::number(gt->getLine(k)[c], 'g', 6));
    }
    Rig again;
    QVERIFY(again.graphs.loadGraphFile(list));
    QVERIFY(Rig::waitBuilt(again.graphs));
    QCOMPARE(again.graphs.graphs(), rig.graphs.graphs());
    QCOMPARE(again.graphs.analyst()->getHeader(), gt->getHeader());
    for (int k = 0; k < 10000; ++k)
        QCOMPARE(again.graphs.analyst()->getLine(k), gt->getLine(k));
}

void tst_AnalystWidget::malformedListFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("graphs");
    QTest::addColumn<QVector<int>>("badLines");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("boxed");
    QTest::newRow("graph strings")
        << "list.dmvx3" << QByteArray("3 111\n40 0\n\n4 1010011\n2 1\n\x7f\x80\n")
        << QStringList{"3 111", "2 1"} << QVector<int>{2, 3, 4, 6}
        << "list.dmvx3: 2 graphs read, 4 lines skipped (line 2, 3, 4, 6)." << true;
    QTest::newRow("graph6") << "list.g6" << QByteArray("Bw\n~??\nA\nA_\n")
                            << QStringList{"3 111", "2 1"} << QVector<int>{2, 3}
                            << "list.g6: 2 graphs read, 2 lines skipped (line 2, 3)." << true;
    QTest::newRow("whole") << "list.g6" << QByteArray(">>graph6<<\nBw\nA_\n")
                           << QStringList{"3 111", "2 1"} << QVector<int>{}
                           << "list.g6: 2 graphs read, 0 lines skipped." << false;
    QTest::newRow("empty file") << "list.dmvx3" << QByteArray() << QStringList{} << QVector<int>{}
                                << "list.dmvx3: 0 graphs read, 0 lines skipped." << true;
    QTest::newRow("graph strings named graph6")
        << "list.g6" << QByteArray("3 111\n2 1\n") << QStringList{} << QVector<int>{1, 2}
        << "list.g6: 0 graphs read, 2 lines skipped (line 1, 2)." << true;
}

void tst_AnalystWidget::malformedListFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, graphs);
    QFETCH(QVector<int>, badLines);
    QFETCH(QString, message);
    QFETCH(bool, boxed);
    QTemporaryDir dir;
    Rig rig;
    // A graph already there: the counts said are the file's, not the table's.
    QVERIFY(rig.build(rig.graphs, {"4 101001"}));
    PresetPrompts prompts;
    QSignalSpy console(&rig.graphs, &AnalystWidget::signal_console);
    QVERIFY(rig.graphs.loadGraphFile(writeFile(dir, name, bytes)));
    QVERIFY(Rig::waitBuilt(rig.graphs));
    QCOMPARE(rig.graphs.graphs(), QStringList{"4 101001"} + graphs);
    QCOMPARE(rig.graphs.analyst()->nbRows(), 1 + graphs.size());
    QCOMPARE(rig.graphs.lastBadLines(), badLines);
    QCOMPARE(console.last().at(0).toString(), message);
    QCOMPARE(prompts.messages, boxed ? QStringList{message} : QStringList());
}

void tst_AnalystWidget::filterKeepsBruteForceRows()
{
    Rig rig;
    const Testers testers = watched(rig.graphs);
    QVERIFY(rig.build(rig.graphs, randomList(400, [](int k) { return 5 + k % 5; })));
    Analyst *t = rig.graphs.analyst();
    const int order = t->getHeader().indexOf("ORDER"), size = t->getHeader().indexOf("SIZE");
    QVERIFY(rig.graphs.setFilterText("ORDER >= 7 and SIZE < 12"));
    QVector<int> expected;
    for (int r = 0; r < t->nbRows(); ++r)
        if (t->getLine(r)[order] >= 7 && t->getLine(r)[size] < 12)
            expected << r;
    QVERIFY(!expected.isEmpty() && expected.size() < 400);
    QCOMPARE(rig.graphs.rows()->keptRows(), expected);
    QCOMPARE(rig.graphs.rows()->rowCount(), expected.size());
    // A filter that cannot be read leaves the rows as they were.
    QVERIFY(!rig.graphs.setFilterText("GIRTH > 3"));
    QCOMPARE(rig.graphs.rows()->rowCount(), expected.size());
    // A rebuilt table keeps the filter.
    rig.graphs.slot_data_loaded();
    QVERIFY(Rig::waitBuilt(rig.graphs));
    QCOMPARE(t->nbRows(), 800);
    QCOMPARE(rig.graphs.rows()->rowCount(), 2 * expected.size());
}

void tst_AnalystWidget::loadingGraphs_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("graphNo");
    QTest::addColumn<int>("loaded"); // 0: nothing loaded
    QTest::newRow("row click") << "click" << 4 << 4;
    QTest::newRow("Analyst::load") << "load" << 2 << 2;
    QTest::newRow("Space after graph 2") << "space" << 2 << 4; // graph 3 is filtered out
    QTest::newRow("Space on the last graph") << "space" << 4 << 4;
    QTest::newRow("out of range") << "load" << 5 << 0;
    QTest::newRow("during a search") << "search" << 1 << 0;
}

void tst_AnalystWidget::loadingGraphs()
{
    QFETCH(QString, how);
    QFETCH(int, graphNo);
    QFETCH(int, loaded);
    Rig rig;
    const QStringList list = {"3 111", "4 101001", "5 1111111111", "2 1"};
    QVERIFY(rig.build(rig.vertices, list));
    AnalystWidget &w = rig.vertices;
    QVERIFY(w.setFilterText("ORDER != 5"));
    connect(&rig.mainGraph, &Graph::signal_load_next, &w, &AnalystWidget::slot_load_next);
    rig.mainGraph.loadmvx("1 ", true);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    if (how == "click") {
        QTableView *view = w.tableView();
        int row = 0;
        while (row < w.rows()->rowCount() &&
               w.analyst()->graphNo(w.rows()->mapToSource(w.rows()->index(row, 0)).row()) !=
                   graphNo)
            ++row;
        const QRect cell = view->visualRect(w.rows()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    } else if (how == "load") {
        w.analyst()->load(graphNo);
    } else if (how == "space") {
        QVERIFY(w.loadGraph(graphNo));
        QTest::keyClick(&rig.mainGraph, Qt::Key_Space);
    } else {
        w.slot_set_search_active(true);
        w.analyst()->load(graphNo);
    }
    QCOMPARE(w.currentGraph(), loaded);
    QCOMPARE(rig.mainGraph.graphData(), loaded ? list[loaded - 1] : QString("1 "));
    QCOMPARE(w.analyst()->highlightGraph(), loaded);
    // Every vertex row of the loaded graph is highlighted, no other.
    for (int r = 0; r < w.analyst()->nbRows(); ++r)
        QCOMPARE(w.analyst()->data(w.analyst()->index(r, 0), Qt::BackgroundRole).isValid(),
                 loaded != 0 && w.analyst()->graphNo(r) == loaded);
}

void tst_AnalystWidget::markingItemsRebuilds()
{
    Graph mainGraph("graph", true);
    Problem board(&mainGraph, "board", true);
    Calculus *order = BuildCalculus().makeCalculus("ORDER", true);
    Calculus *size = BuildCalculus().makeCalculus("SIZE", true);
    board.addInvariantItemLoadMode(order);
    board.addInvariantItemLoadMode(size);
    DataLoader loader;
    for (const char *g : {"3 111", "4 101001", "5 1111111111"})
        loader.addGraph(g);
    AnalystWidget w("graphs", &board, &mainGraph, &loader, false);
    // As the application wires it.
    connect(&board, &Problem::signal_report_changed, &w, &AnalystWidget::slot_rebuild);
    const Testers testers = watched(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy ready(&w, &AnalystWidget::signal_table_ready);
    w.slot_data_loaded();
    QVERIFY(ready.wait(kPatienceMs));

    // No item marked: rows without cells, and the reason where the table is.
    QCOMPARE(w.analyst()->nbRows(), 3);
    QCOMPARE(w.analyst()->columnCount(), 0);
    QLabel *why = withText<QLabel>(w, "Insert in explorer");
    QVERIFY(why && why->isVisible());
    // A filter on a column that is not there yet stays in the box.
    auto *box = w.findChild<QLineEdit *>();
    QTest::keyClicks(box, "SIZE > 3");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w.rows()->rowCount(), 3);

    const auto mark = [](Calculus *item) {
        CalculusDisplay *dialog = item->getCalculusDisplay();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCheckBox *insert = withText<QCheckBox>(*dialog, "Insert in explorer");
        QVERIFY(insert);
        QTest::mouseClick(insert, Qt::LeftButton, {}, QPoint(6, insert->height() / 2));
        dialog->hide();
    };
    mark(size);
    QVERIFY(w.isBuilding());
    QVERIFY(ready.wait(kPatienceMs));
    QCOMPARE(w.analyst()->getHeader(), QStringList{"SIZE"});
    QVERIFY(!why->isVisible());
    QCOMPARE(w.rows()->keptRows(), QVector<int>{2}); // the box's filter applied to the new table

    // During a search the rebuild waits for its end.
    w.slot_set_search_active(true);
    mark(order);
    QVERIFY(!w.isBuilding());
    QCOMPARE(w.analyst()->getHeader(), QStringList{"SIZE"});
    w.slot_set_search_active(false);
    QVERIFY(w.isBuilding());
    QVERIFY(ready.wait(kPatienceMs));
    QCOMPARE(w.analyst()->getHeader(), QStringList({"ORDER", "SIZE"}));
    QCOMPARE(w.rows()->keptRows(), QVector<int>{2});
}

void tst_AnalystWidget::clearDatabase()
{
    Rig rig;
    const Testers testers = watched(rig.graphs);
    rig.graphs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.graphs));
    QVERIFY(rig.build(rig.graphs, {"3 111", "4 101001"}));
    QVERIFY(rig.graphs.loadGraph(2));
    QSignalSpy header(&rig.graphs, &AnalystWidget::signal_header_changed);
    rig.mainGraph.loadmvx("6 " + QString(15, '0'), true);
    QPushButton *clear = withText<QPushButton>(rig.graphs, "Clear database");
    // During an optimization the button is off: clearing reads the board the workers publish
    // into.
    rig.graphs.slot_set_search_active(true);
    QVERIFY(!clear->isEnabled());
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(rig.graphs.analyst()->nbRows(), 2);
    rig.graphs.slot_set_search_active(false);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(rig.graphs.analyst()->nbRows(), 0);
    QVERIFY(rig.graphs.graphs().isEmpty());
    QCOMPARE(rig.graphs.currentGraph(), 0);
    QCOMPARE(header.count(), 1);
    // The columns of the board on the main graph, six vertices.
    QCOMPARE(header.at(0).at(0).toStringList(), rig.board.getReportNames(false));
    QCOMPARE(rig.graphs.analyst()->getHeader().size(), 3 + 6 + 6);
}

void tst_AnalystWidget::failedWritesKeepOldFile_data()
{
    QTest::addColumn<bool>("table");
    QTest::addColumn<QString>("message");
    QTest::newRow("table") << true << "Failed to save table.";
    QTest::newRow("graph list") << false << "Failed to save graphs.";
}

void tst_AnalystWidget::failedWritesKeepOldFile()
{
    QFETCH(bool, table);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = writeFile(dir, "old.txt", "old content\n");
    Rig rig;
    QVERIFY(rig.build(rig.graphs, randomList(10, [](int) { return 8; })));
    PresetPrompts prompts;
    // A file size limit makes the write itself fail, whoever runs the test.
    bool ok;
    {
        FileSizeLimit limit(64);
        QVERIFY(limit.ok);
        ok = table ? rig.graphs.saveTable(path) : rig.graphs.saveGraphList(path);
    }
    QVERIFY(!ok);
    QCOMPARE(prompts.messages, QStringList{message});
    QCOMPARE(readAll(path), QByteArray("old content\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
}

void tst_AnalystWidget::graphListRoundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << QString("graphs1") << QString("graphs1.dmvx3");
    for (const char *typed : {"graphs1.dmvx3", "graphs1.g6", "GRAPHS.G6"})
        QTest::newRow(typed) << QString(typed) << QString(typed);
}

void tst_AnalystWidget::graphListRoundTrip()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const bool g6 = written.endsWith(".g6", Qt::CaseInsensitive);
    Rig rig;
    const QStringList list = QStringList{"1 ", writeGraphString(randomBitGraph(32))} +
                             randomList(20, [](int k) { return 2 + k; });
    QVERIFY(rig.build(rig.graphs, list));
    QTemporaryDir dir;
    PresetPrompts prompts;
    prompts.files << dir.filePath(typed);
    rig.graphs.slot_save_graphs();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QByteArray expected;
    for (const QString &graph : list) {
        BitGraph g;
        QVERIFY(readGraphString(graph, g));
        expected += (g6 ? toGraph6(g) : graph.toLatin1()) + '\n';
    }
    QCOMPARE(readAll(dir.filePath(written)), expected);

    Rig again;
    prompts.files << dir.filePath(written);
    again.graphs.slot_load_graphs();
    QVERIFY(Rig::waitBuilt(again.graphs));
    QCOMPARE(again.graphs.graphs(), list);
    QCOMPARE(prompts.messages, QStringList());
}

void tst_AnalystWidget::graphPdfSet()
{
    Rig rig;
    QVERIFY(rig.build(rig.graphs, {"3 111", "4 101001", "5 1111111111", "2 1"}));
    QVERIFY(rig.graphs.setFilterText("ORDER >= 3"));
    // A drawing of the user's in the main graph, not saved.
    rig.mainGraph.loadmvx("4 111000", true);
    rig.mainGraph.setPos(0, QPointF(17, 23));
    const QString drawn = rig.mainGraph.graphData();
    QVector<QPointF> places;
    for (int v = 0; v < 4; ++v)
        places << rig.mainGraph.getNode(v)->pos();
    QSignalSpy changed(&rig.mainGraph, &Graph::signal_best_graph_changed);
    QTemporaryDir dir;
    PresetPrompts prompts;
    prompts.files << dir.path();
    rig.graphs.slot_export_pdfs();
    QCOMPARE(prompts.asked, QStringList{"directory: Graphs to PDF"});
    QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({"1.pdf", "2.pdf", "3.pdf"}));
    for (const QString &name : files)
        QCOMPARE(readAll(dir.filePath(name)).left(5), QByteArray("%PDF-"));
    // The main graph keeps the user's drawing, and the board was told of no change.
    QCOMPARE(rig.mainGraph.graphData(), drawn);
    for (int v = 0; v < 4; ++v)
        QCOMPARE(rig.mainGraph.getNode(v)->pos(), places[v]);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rig.graphs.currentGraph(), 0);
    // Printing touches neither, so it may run during a search.
    rig.graphs.slot_set_search_active(true);
    QCOMPARE(rig.graphs.exportGraphPdfs(dir.path()), 3);
}

void tst_AnalystWidget::dataLoadedAppends()
{
    // Graphs poured while a build runs wait for it and are added after.
    Rig rig;
    const QStringList first = randomList(3000, [](int) { return 12; });
    const QStringList second = randomList(10, [](int) { return 4; });
    rig.pour(first);
    rig.graphs.slot_data_loaded();
    rig.pour(second);
    rig.graphs.slot_data_loaded();
    QVERIFY(Rig::waitBuilt(rig.graphs));
    if (rig.graphs.isBuilding())
        QVERIFY(Rig::waitBuilt(rig.graphs));
    QCOMPARE(rig.graphs.graphs(), first + second);
    QCOMPARE(rig.graphs.analyst()->nbRows(), 3010);
    QCOMPARE(rig.loader.size(), 10); // the loader is not emptied

    // During a search nothing is rebuilt and no file is read: the graphs wait for its end.
    rig.graphs.slot_set_search_active(true);
    rig.graphs.slot_data_loaded();
    QVERIFY(!rig.graphs.isBuilding());
    QVERIFY(!rig.graphs.loadGraphFile("/nonexistent.g6"));
    rig.graphs.slot_set_search_active(false);
    QVERIFY(rig.graphs.isBuilding());
    QVERIFY(Rig::waitBuilt(rig.graphs));
    QCOMPARE(rig.graphs.analyst()->nbRows(), 3020);
}

QTEST_MAIN(tst_AnalystWidget)
#include "tst_AnalystWidget.moc"
