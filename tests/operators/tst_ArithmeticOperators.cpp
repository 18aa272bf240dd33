#include "OperatorCases.h"

#include <QtTest>
#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

class tst_ArithmeticOperators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void compute_data();
    void compute() { runCase(); }
    void compositionOnRandomGraphs();
    void finiteArgumentsGiveFiniteValues();
};

void tst_ArithmeticOperators::compute_data()
{
    addCaseColumns();
    const Arg m2 = val(2, 2, {1, 2, 3, 4}, "n", "n"), m23 = val(2, 3, {1, 2, 3, 4, 5, 6}, "r", "c");
    const Arg col = val(3, 1, {1, 2, 3}, "n", "1"), row = val(1, 3, {7, 8, 9}, "1", "m");
    const Arg empty = val(0, 0, {});
    const QString format = "Format error", range = "Index out of range",
                  nothing = "MISSING ARGUMENT";
    const double big = std::numeric_limits<double>::max();
    // Entry by entry, a single value on either side; overflow ends at +-1e12.
    addCase("+: same shape", {m2, val(2, 2, {10, 20, 30, 40})},
            ok(2, 2, {11, 22, 33, 44}, "n", "n"));
    addCase("+: single right", {col, one(5)}, ok(3, 1, {6, 7, 8}, "n"));
    addCase("+: single left", {one(5, "n"), row}, ok(1, 3, {12, 13, 14}, "1", "m"));
    addCase("+: both single", {one(2, "n"), one(3)}, ok(1, 1, {5}));
    addCase("+: row and column", {col, row}, failed(format));
    addCase("+: empty first", {empty, one(1)}, failed("Argument error"));
    addCase("+: empty second", {m2, empty}, failed(format));
    addCase("+: overflow", {val(1, 2, {big, -big}), val(1, 2, {big, big})},
            ok(1, 2, {1e12, 0}, "NA", "NA"));
    addCase("-: single left", {one(10), col}, ok(3, 1, {9, 8, 7}, "n"));
    addCase(".*: same shape", {m2, val(2, 2, {2, 0, -1, 0.5})}, ok(2, 2, {2, 0, -3, 2}, "n", "n"));
    addCase(".*: overflow", {one(big), val(1, 2, {big, -big})},
            ok(1, 2, {1e12, -1e12}, "NA", "NA"));
    addCase("/: near zero",
            {val(1, 5, {5, -5, 0, 1, 1e-12}), val(1, 5, {0, -0.0, 0, -1e-12, 2e-12})},
            ok(1, 5, {1e12, 1e12, 1e12, 1e12, 0.5}, "NA", "NA"));
    addCase("/: single left", {one(1), val(1, 3, {4, 1e-13, -2}, "1", "m")},
            ok(1, 3, {0.25, 1e12, -0.5}, "1", "m"));
    addCase("MMAX: single right", {val(3, 1, {1, 5, -2}, "n", "1"), one(2)},
            ok(3, 1, {2, 5, 2}, "n"));
    addCase("MMIN: single left", {one(2), val(1, 3, {1, 5, -2}, "1", "m")},
            ok(1, 3, {1, 2, -2}, "1", "m"));
    addCase("IFGE: shape of A", {col, one(2), one(10), val(3, 1, {-1, -2, -3})},
            ok(3, 1, {-1, 10, 10}, "n"));
    addCase("IFGE: shape of C", {one(0), one(1), val(1, 2, {7, 8}, "1", "m"), one(9)},
            ok(1, 2, {9, 9}, "1", "m"));
    addCase("IFGE: tolerance", {one(1 - 5e-7), one(1), one(1), one(0)}, ok(1, 1, {1}));
    addCase("IFGE: D differs", {row, one(0), row, col}, failed(format));
    addCase("IFGE: D missing", {row, one(0), row}, failed("Missing arguments").writes(nothing));
    // Matrix product; partial sums that overflow both ways must not make NaN.
    addCase("*: matrices", {m23, val(3, 2, {1, 0, 0, 1, 1, 1}, "c", "s")},
            ok(2, 2, {4, 5, 10, 11}, "r", "s"));
    addCase("*: row by column", {row, col}, ok(1, 1, {50}));
    addCase("*: column by row", {col, row}, ok(3, 3, {7, 8, 9, 14, 16, 18, 21, 24, 27}, "n", "m"));
    addCase("*: single left", {one(2), m23}, ok(2, 3, {2, 4, 6, 8, 10, 12}, "r", "c"));
    addCase("*: single right", {m23, one(-1)}, ok(2, 3, {-1, -2, -3, -4, -5, -6}, "r", "c"));
    addCase("*: same shape", {m23, m23}, failed(format));
    addCase("*: B missing", {m23}, failed("Missing arguments").writes(nothing));
    addCase("*: overflow", {val(1, 2, {big, big}), val(2, 1, {big, -big})}, ok(1, 1, {1e12}));
    // Maps.
    addCase("SQRT", {val(2, 2, {4, 0, -1e-6, 2.25}, "n", "n")}, ok(2, 2, {2, 0, 0, 1.5}, "n", "n"));
    addCase("SQRT: negative", {val(1, 2, {4, -1.1e-6})}, failed("Negative argument"));
    addCase("ABS", {val(1, 2, {-1.5, 2}, "1", "m")}, ok(1, 2, {1.5, 2}, "1", "m"));
    addCase("EXP", {col}, ok(3, 1, {M_E, M_E * M_E, std::exp(3.0)}, "n"));
    addCase("EXP: near the cap", {val(1, 4, {27.6, 28, 1e300, -800})},
            ok(1, 4, {std::exp(27.6), 1e12, 1e12, 0}, "NA", "NA"));
    addCase("CEIL", {val(1, 2, {1.2, -1.2})}, ok(1, 2, {2, -1}, "NA", "NA"));
    addCase("FLOOR", {val(1, 2, {1.2, -1.2})}, ok(1, 2, {1, -2}, "NA", "NA"));
    addCase("CENTER", {val(2, 2, {1, 2, 3, 6}, "n", "n")}, ok(2, 2, {-2, -1, 0, 3}, "n", "n"));
    addCase("CENTER: empty", {empty}, failed("Argument error"));
    addCase("CENTER: overflow", {val(1, 3, {big, -big, -big})},
            ok(1, 3, {1e12, -big / 3 * 2, -big / 3 * 2}, "NA", "NA"));
    // Entries by position.
    addCase("FIRST", {m2}, ok(1, 1, {1}));
    addCase("SECOND: along the row", {m2}, ok(1, 1, {2}));
    addCase("LAST", {m23}, ok(1, 1, {6}));
    addCase("SECOND: of single", {one(3)}, failed("Not enough values"));
    // Selection and reshaping; an index names a line within 1e-6 of a whole number.
    addCase("ADDCOLS", {val(2, 1, {1, 2}, "n", "1"), m2}, ok(2, 3, {1, 1, 2, 2, 3, 4}, "n", "NA"));
    addCase("ADDCOLS: rows differ", {col, m2}, failed(format));
    addCase("ADDCOLS: too wide",
            {val(1, 20, QVector<double>(20, 1)), val(1, 13, QVector<double>(13, 2))},
            failed(format));
    addCase("COLUMN", {m23, one(2)}, ok(2, 1, {2, 5}, "r"));
    addCase("COLUMN: within tolerance", {m23, one(3.0000005)}, ok(2, 1, {3, 6}, "r"));
    addCase("COLUMN: just below one", {m23, one(1 - 5e-7)}, ok(2, 1, {1, 4}, "r"));
    for (const double k : {0.0, 4.0, -1.0, 2.5, qQNaN(), 1e300})
        addCase(QString("COLUMN: index %1").arg(k), {m23, one(k)}, failed(range));
    addCase("COLUMN: vector index", {m23, col}, failed(format));
    addCase("ROW", {m23, one(2)}, ok(1, 3, {4, 5, 6}, "1", "c"));
    addCase("ROW: beyond", {m23, one(3)}, failed(range));
    addCase("VALUE AT: matrix", {m23, one(2), one(3)}, ok(1, 1, {6}));
    addCase("VALUE AT: column", {col, one(3)}, ok(1, 1, {3}).writes("VALUE AT(SRC(G),SRC(G))"));
    addCase("VALUE AT: row", {row, one(2)}, ok(1, 1, {8}));
    addCase("VALUE AT: matrix, one index", {m23, one(2)}, failed(format));
    addCase("VALUE AT: row beyond", {m23, one(3), one(1)}, failed(range));
    addCase("VALUE AT: column beyond", {m23, one(1), one(4)}, failed(range));
    addCase("VALUE AT: index missing", {m23, unlinked, one(1)},
            failed("Missing arguments").writes(nothing));
    addCase("TRANSPOSE", {m23}, ok(3, 2, {1, 4, 2, 5, 3, 6}, "c", "r"));
    addCase("DIAG: of column", {val(2, 1, {1, 2}, "n", "1")}, ok(2, 2, {1, 0, 0, 2}, "n", "n"));
    addCase("DIAG: of row", {row}, ok(3, 3, {7, 0, 0, 0, 8, 0, 0, 0, 9}, "m", "m"));
    addCase("DIAG: of square", {m2}, ok(2, 1, {1, 4}, "n", "1"));
    addCase("DIAG: of 2x3", {m23}, failed(format));
    addCase("SORT: column", {val(3, 1, {3, 1, 2}, "n", "1")}, ok(3, 1, {3, 2, 1}, "n"));
    addCase("SORT: row, NaN last", {val(1, 6, {2, qQNaN(), 5, qQNaN(), -1, 5}, "1", "m")},
            ok(1, 6, {5, 5, 2, -1, qQNaN(), qQNaN()}, "1", "m"));
    addCase("SORT: matrix", {m2}, failed(format));
}

// Items fed by graph invariants, checked against counts made here from the graph's adjacency.
void tst_ArithmeticOperators::compositionOnRandomGraphs()
{
    for (int n = 1; n <= 32; n += (n < 6 ? 1 : 7)) {
        Graph g("G", false);
        g.randomGraph(n);
        std::vector<int> degree(n, 0);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                degree[i] += (i != j && g.edge(i, j)) ? 1 : 0;
        auto degrees = build("DEGREES"), adjacency = build("ADJACENCY");
        auto larger = build("MMAX"), sorted = build("SORT"), square = build("*");
        auto at = build("VALUE AT"), difference = build("-"), transposed = build("TRANSPOSE");
        ValueSource two, rowIndex, colIndex;
        const int pi = qrand() % n, pj = qrand() % n;
        two.value = val(1, 1, {2}, "1", "1");
        rowIndex.value = val(1, 1, {double(pi + 1)});
        colIndex.value = val(1, 1, {double(pj + 1)});
        const QVector<QVector<Calculus *>> links = {
            {larger.get(), degrees.get(), &two},
            {sorted.get(), degrees.get()},
            {square.get(), adjacency.get(), adjacency.get()},
            {transposed.get(), adjacency.get()},
            {at.get(), square.get(), &rowIndex, &colIndex},
            {difference.get(), adjacency.get(), transposed.get()}};
        for (const auto &l : links)
            for (int k = 1; k < l.size(); ++k)
                linkArgument(l[0], k, l[k]);
        const QList<Calculus *> order = {degrees.get(),    adjacency.get(), &two,
                                         &rowIndex,        &colIndex,       larger.get(),
                                         sorted.get(),     square.get(),    transposed.get(),
                                         difference.get(), at.get()};
        evaluate(g, order);
        for (Calculus *c : order)
            QVERIFY2(!c->getError(), qPrintable(c->name + c->savedTooltip));

        QCOMPARE(larger->rows, n);
        QCOMPARE(larger->getSRows(), n == 1 ? QString("1") : QString("n"));
        std::vector<int> expectedSorted = degree;
        std::sort(expectedSorted.begin(), expectedSorted.end(), std::greater<int>());
        for (int i = 0; i < n; ++i) {
            QCOMPARE(larger->M[i][0], double(std::max(degree[i], 2)));
            QCOMPARE(sorted->M[i][0], double(expectedSorted[i]));
        }
        QCOMPARE(QSize(square->cols, square->rows), QSize(n, n));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                int common = 0;
                for (int k = 0; k < n; ++k)
                    common += (k != i && k != j && g.edge(i, k) && g.edge(k, j)) ? 1 : 0;
                QCOMPARE(square->M[i][j], double(i == j ? degree[i] : common));
                QCOMPARE(difference->M[i][j], 0.0);
            }
        QCOMPARE(at->rows, 1);
        QCOMPARE(at->M[0][0], square->M[pi][pj]);
    }
}

// Random shapes (often matching, often 1 x 1) and random entries among zeros, tiny, ordinary
// and huge values: whatever an item answers, the entries it reports are finite.
void tst_ArithmeticOperators::finiteArgumentsGiveFiniteValues()
{
    const double big = std::numeric_limits<double>::max();
    const double pool[] = {0.0,   -0.0, 1e-300, -1e-13, 1.0, -2.5, 7.0, 3.0,
                           709.0, 1e12, -1e300, 1e300,  big, -big, 2.0, 1e-7};
    Graph g("G", false);
    draw(g, Board{});
    int computed = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const int r = 1 + qrand() % 6, c = 1 + qrand() % 6;
        ValueSource sources[4];
        for (ValueSource &s : sources) {
            const int shape = qrand() % 4;
            const int sr = shape == 0 ? 1 : shape == 1 ? c : r;
            const int sc = shape == 0 ? 1 : shape == 1 ? r : c;
            s.value = val(sr, sc, QVector<double>(sr * sc));
            for (double &e : s.value.entries)
                e = pool[qrand() % 16];
        }
        for (const QString &k : arithmeticKeywords) {
            auto item = build(k);
            for (int a = 1; a <= 4; ++a)
                linkArgument(item.get(), a, &sources[a - 1]);
            evaluate(g, {&sources[0], &sources[1], &sources[2], &sources[3], item.get()});
            QVERIFY(item->rows >= 0 && item->rows <= 32 && item->cols >= 0 && item->cols <= 32);
            computed += item->getError() ? 0 : 1;
            for (int i = 0; i < item->rows && !item->getError(); ++i)
                for (int j = 0; j < item->cols; ++j)
                    QVERIFY2(std::isfinite(item->M[i][j]),
                             qPrintable(QString("%1 (%2,%3)").arg(k).arg(i).arg(j)));
        }
    }
    QVERIFY(computed > 600); // most cases compute rather than fail on their shapes
}

QTEST_MAIN(tst_ArithmeticOperators)
#include "tst_ArithmeticOperators.moc"
