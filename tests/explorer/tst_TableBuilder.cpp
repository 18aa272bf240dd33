#include "ExplorerFixtures.h"
#include "explorer/Analyst.h"
#include "explorer/TableBuilder.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace
{
/// A fixture board on a graph of its own.
struct Board {
    Graph g{"G", false};
    Problem board{&g, "board", false};
    Board() { fillBoard(board); }
};
} // namespace

class tst_TableBuilder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void mergeHeader_data();
    void mergeHeader();
    void mixedOrdersLineUp_data();
    void mixedOrdersLineUp();
    void guiReadsWhileBuilding();
    void cancelLeavesNoRows();
};

void tst_TableBuilder::mergeHeader_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("merged");
    QTest::addColumn<QVector<int>>("map");
    QTest::newRow("into nothing") << QStringList{} << QStringList{"A", "B"} << QStringList{"A", "B"}
                                  << QVector<int>{0, 1};
    QTest::newRow("smaller order is a subset")
        << QStringList{"A", "v[1]", "v[2]", "v[3]", "B"} << QStringList{"A", "v[1]", "v[2]", "B"}
        << QStringList{"A", "v[1]", "v[2]", "v[3]", "B"} << QVector<int>{0, 1, 2, 4};
    QTest::newRow("one vertex: name without suffix")
        << QStringList{"A", "v[1]", "v[2]", "B"} << QStringList{"A", "v", "B"}
        << QStringList{"A", "v", "v[1]", "v[2]", "B"} << QVector<int>{0, 1, 4};
    QTest::newRow("repeated labels keep their order")
        << QStringList{"L", "x", "L"} << QStringList{"L", "L"} << QStringList{"L", "x", "L"}
        << QVector<int>{0, 2};
    QTest::newRow("new name in front")
        << QStringList{"B"} << QStringList{"A", "B"} << QStringList{"A", "B"} << QVector<int>{0, 1};
}

void tst_TableBuilder::mergeHeader()
{
    QFETCH(QStringList, header);
    QFETCH(QStringList, names);
    QFETCH(QStringList, merged);
    QFETCH(QVector<int>, map);
    QCOMPARE(TableBuilder::mergeHeader(header, names), map);
    QCOMPARE(header, merged);
}

void tst_TableBuilder::mixedOrdersLineUp_data()
{
    QTest::addColumn<bool>("vertexMode");
    QTest::newRow("graph values") << false;
    QTest::newRow("vertex values") << true;
}

void tst_TableBuilder::mixedOrdersLineUp()
{
    // Orders 0 to 7 in one list: each cell holds the value of its column's name for the
    // graph of its row, as the board reports it on that graph alone.
    QFETCH(bool, vertexMode);
    Board b;
    Graph &g = b.g;
    Problem &board = b.board;
    QStringList list;
    for (int n : {5, 0, 7, 1, 2, 6, 3})
        list << writeGraphString(randomBitGraph(n));
    TableBuilder builder;
    QVERIFY(builder.build(&board, vertexMode, list));
    builder.wait();
    const TableBuilder::Result r = builder.takeResult();
    QCOMPARE(r.graphs, list);
    int row = 0;
    for (int k = 0; k < list.size(); ++k) {
        g.loadCurrentGraph(list[k]);
        board.compute(true);
        const QStringList names = board.getReportNames(vertexMode);
        const int n = g.getNbNodes();
        for (int v = 1; v <= (vertexMode ? n : 1); ++v, ++row) {
            const QVector<double> values =
                vertexMode ? board.getReportValues(v) : board.getReportValues();
            QCOMPARE(r.graphNos[row], k + 1);
            QCOMPARE(r.rows[row].size(), r.header.size());
            int filled = 0;
            for (double x : r.rows[row])
                filled += !std::isnan(x);
            QCOMPARE(filled, values.size());
            for (int c = 0; c < names.size(); ++c)
                QCOMPARE(r.rows[row][r.header.indexOf(names[c])], values[c]);
        }
    }
    QCOMPARE(r.rows.size(), row);
}

void tst_TableBuilder::guiReadsWhileBuilding()
{
    // Under the thread sanitizer: the GUI reads its table and the board while the loader runs.
    Board b;
    Problem &board = b.board;
    const QStringList list = randomList(3000, [](int k) { return 9 + k % 4; });
    Analyst table;
    table.setTable({"x"}, {{1}, {2}}, {1, 2});
    TableBuilder builder;
    QVector<qint64> progress;
    bool finished = false;
    connect(&builder, &TableBuilder::signal_progress, this,
            [&](qint64 done, qint64) { progress << done; });
    connect(&builder, &TableBuilder::signal_finished, this, [&] { finished = true; });
    QVERIFY(builder.build(&board, false, list));
    QVERIFY(!builder.build(&board, false, list)); // one build at a time
    double sum = 0;
    while (builder.isRunning()) {
        for (int r = 0; r < table.nbRows(); ++r)
            sum += table.getLine(r)[0] + table.data(table.index(r, 0)).toString().size();
        sum += board.getReportNames(false).size();
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(finished, 20000);
    QVERIFY(sum > 0);
    const TableBuilder::Result r = builder.takeResult();
    QCOMPARE(r.rows.size(), 3000);
    QVERIFY(!r.cancelled);
    QCOMPARE(progress.value(progress.size() - 1), 3000);
}

void tst_TableBuilder::cancelLeavesNoRows()
{
    Board b;
    TableBuilder builder;
    QVERIFY(builder.build(&b.board, true, randomList(20000, [](int) { return 20; })));
    builder.cancel();
    builder.wait();
    QVERIFY(builder.takeResult().cancelled);
}

QTEST_MAIN(tst_TableBuilder)
#include "tst_TableBuilder.moc"
