#include "ExplorerFixtures.h"
#include "FileSizeLimit.h"
#include "PresetPrompts.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "explorer/DataLoader.h"
#include "explorer/RowFilterModel.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

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
        return ready.wait(120000);
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
    void clearDatabase();
    void failedWritesKeepOldFile_data();
    void failedWritesKeepOldFile();
    void graphPdfSet();
    void dataLoadedAppends();
};

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
    QTest::newRow("graph strings")
        << "list.dmvx3" << QByteArray("3 111\n40 0\n\n4 1010011\n2 1\n\x7f\x80\n")
        << QStringList{"3 111", "2 1"} << QVector<int>{2, 3, 4, 6}
        << "list.dmvx3: 4 lines skipped (line 2, 3, 4, 6).";
    QTest::newRow("graph6") << "list.g6" << QByteArray("Bw\n~??\nA\nA_\n")
                            << QStringList{"3 111", "2 1"} << QVector<int>{2, 3}
                            << "list.g6: 2 lines skipped (line 2, 3).";
}

void tst_AnalystWidget::malformedListFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, graphs);
    QFETCH(QVector<int>, badLines);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Rig rig;
    QSignalSpy console(&rig.graphs, &AnalystWidget::signal_console);
    QVERIFY(rig.graphs.loadGraphFile(writeFile(dir, name, bytes)));
    QVERIFY(Rig::waitBuilt(rig.graphs));
    QCOMPARE(rig.graphs.graphs(), graphs);
    QCOMPARE(rig.graphs.analyst()->nbRows(), graphs.size());
    QCOMPARE(rig.graphs.lastBadLines(), badLines);
    QCOMPARE(console.last().at(0).toString(), message);
}

void tst_AnalystWidget::filterKeepsBruteForceRows()
{
    Rig rig;
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

void tst_AnalystWidget::clearDatabase()
{
    Rig rig;
    QVERIFY(rig.build(rig.graphs, {"3 111", "4 101001"}));
    QVERIFY(rig.graphs.loadGraph(2));
    QSignalSpy header(&rig.graphs, &AnalystWidget::signal_header_changed);
    rig.mainGraph.loadmvx("6 " + QString(15, '0'), true);
    rig.graphs.slot_clear_database();
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

void tst_AnalystWidget::graphPdfSet()
{
    Rig rig;
    QVERIFY(rig.build(rig.graphs, {"3 111", "4 101001", "5 1111111111", "2 1"}));
    QVERIFY(rig.graphs.setFilterText("ORDER >= 3"));
    QTemporaryDir dir;
    PresetPrompts prompts;
    prompts.files << dir.path();
    rig.graphs.slot_export_pdfs();
    QCOMPARE(prompts.asked, QStringList{"directory: Graphs to PDF"});
    QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({"1.pdf", "2.pdf", "3.pdf"}));
    for (const QString &name : files)
        QCOMPARE(readAll(dir.filePath(name)).left(5), QByteArray("%PDF-"));
    // The last graph printed stays in the main graph.
    QCOMPARE(rig.mainGraph.graphData(), QString("5 1111111111"));
    rig.graphs.slot_set_search_active(true);
    QCOMPARE(rig.graphs.exportGraphPdfs(dir.path()), -1);
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
