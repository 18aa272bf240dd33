#include "explorer/Analyst.h"
#include "explorer/RowFilterModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

class tst_RowFilterModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(2024); }
    void orderRows_data();
    void orderRows();
    void headerClickSorts();
};

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

void tst_RowFilterModel::orderRows_data()
{
    QTest::addColumn<QVector<int>>("rows");
    QTest::addColumn<QVector<double>>("keys");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("ascending") << QVector<int>{0, 1, 2, 3} << QVector<double>{3, -1, 2.5, 0}
                               << false << QVector<int>{1, 3, 2, 0};
    QTest::newRow("descending") << QVector<int>{0, 1, 2, 3} << QVector<double>{3, -1, 2.5, 0}
                                << true << QVector<int>{0, 2, 3, 1};
    QTest::newRow("ties by row either way")
        << QVector<int>{9, 4, 7, 2} << QVector<double>{1, 1, 0, 1} << true
        << QVector<int>{2, 4, 9, 7};
    QTest::newRow("missing last, ascending")
        << QVector<int>{0, 1, 2, 3, 4} << QVector<double>{kNaN, 2, kNaN, -kInf, kInf} << false
        << QVector<int>{3, 1, 4, 0, 2};
    QTest::newRow("missing last, descending")
        << QVector<int>{0, 1, 2, 3, 4} << QVector<double>{kNaN, 2, kNaN, -kInf, kInf} << true
        << QVector<int>{4, 1, 3, 0, 2};
    QTest::newRow("signed zeros tie")
        << QVector<int>{5, 6} << QVector<double>{0.0, -0.0} << true << QVector<int>{5, 6};
    QTest::newRow("empty") << QVector<int>{} << QVector<double>{} << false << QVector<int>{};
}

void tst_RowFilterModel::orderRows()
{
    QFETCH(QVector<int>, rows);
    QFETCH(QVector<double>, keys);
    QFETCH(bool, descending);
    QFETCH(QVector<int>, expected);
    RowFilterModel::orderRows(rows, keys, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    QCOMPARE(rows, expected);
}

void tst_RowFilterModel::headerClickSorts()
{
    // Two columns of few distinct values, so that ties are many; graph k has rows 3k..3k+2.
    QVector<QVector<double>> lines;
    QVector<int> nos;
    for (int r = 0; r < 600; ++r) {
        lines << QVector<double>{double(qrand() % 7), qrand() % 5 == 0 ? kNaN : qrand() % 11 / 2.0};
        nos << r / 3 + 1;
    }
    Analyst table;
    table.setTable({"a", "b"}, lines, nos);
    RowFilterModel rows(&table);
    QAbstractItemModelTester tableTester(&table,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester rowsTester(&rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTableView view;
    view.setModel(&rows);
    view.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view.setSortingEnabled(true);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QString error;
    QVERIFY(rows.setFilterText("a != 3", error));
    view.setCurrentIndex(rows.index(10, 0));
    const int currentRow = rows.mapToSource(view.currentIndex()).row();

    // What the rows shown must be: the kept rows stably sorted, missing values last.
    const auto expected = [&](int column, bool descending) {
        QVector<int> out = rows.keptRows();
        std::stable_sort(out.begin(), out.end(), [&](int x, int y) {
            const double u = lines[x][column], v = lines[y][column];
            if (std::isnan(u) || std::isnan(v))
                return !std::isnan(u) && std::isnan(v);
            return descending ? u > v : u < v;
        });
        return out;
    };
    const auto shown = [&] {
        QVector<int> out;
        for (int r = 0; r < rows.rowCount(); ++r)
            out << rows.mapToSource(rows.index(r, 0)).row();
        return out;
    };
    const QRect b =
        QRect(view.horizontalHeader()->sectionViewportPosition(1), 0,
              view.horizontalHeader()->sectionSize(1), view.horizontalHeader()->height());
    QTest::mouseClick(view.horizontalHeader()->viewport(), Qt::LeftButton, {}, b.center());
    const bool descending = view.horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    QCOMPARE(rows.sortColumn(), 1);
    QCOMPARE(shown(), expected(1, descending));
    // The graph numbers go with their rows, and the current row stays the current one.
    for (int r = 0; r < rows.rowCount(); r += 37)
        QCOMPARE(rows.headerData(r, Qt::Vertical).toInt(), nos[shown()[r]]);
    QCOMPARE(rows.mapToSource(view.currentIndex()).row(), currentRow);
    QTest::mouseClick(view.horizontalHeader()->viewport(), Qt::LeftButton, {}, b.center());
    QCOMPARE(shown(), expected(1, !descending));

    // A new filter and a new table keep the sort.
    QVERIFY(rows.setFilterText("b > 1", error));
    QCOMPARE(shown(), expected(1, !descending));
    for (QVector<double> &line : lines)
        line[1] = -line[1];
    table.setTable({"a", "b"}, lines, nos);
    QCOMPARE(shown(), expected(1, !descending));
    // Column names stay when no row is kept.
    QVERIFY(rows.setFilterText("a > 100", error));
    QCOMPARE(rows.rowCount(), 0);
    QCOMPARE(rows.headerData(1, Qt::Horizontal).toString(), QStringLiteral("b"));
}

QTEST_MAIN(tst_RowFilterModel)
#include "tst_RowFilterModel.moc"
