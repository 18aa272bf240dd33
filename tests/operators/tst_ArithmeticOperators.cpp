#include "OperatorCases.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace
{

const Arg unlinked;

std::unique_ptr<Calculus> build(const QString &keyword)
{
    static const BuildCalculus catalogue;
    return std::unique_ptr<Calculus>(catalogue.makeCalculus(keyword, false));
}

const QStringList kKeywords = {"+",     "-",        "*",      ".*",   "/",         "MMAX",
                               "MMIN",  "IFGE",     "SQRT",   "ABS",  "EXP",       "CEIL",
                               "FLOOR", "FIRST",    "SECOND", "LAST", "ADDCOLS",   "COLUMN",
                               "ROW",   "VALUE AT", "CENTER", "DIAG", "TRANSPOSE", "SORT"};

} // namespace

class tst_ArithmeticOperators : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void compute_data();
    void compute();
    void formulaTexts_data();
    void formulaTexts();
    void everyFormula();
    void descriptionsStateTheKeyword();
    void compositionOnRandomGraphs();
    void finiteArgumentsGiveFiniteValues();
};

void tst_ArithmeticOperators::compute_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Args>("args");
    QTest::addColumn<Expected>("expected");
    const Arg m2 = value(2, 2, {1, 2, 3, 4}, "n", "n");
    const Arg m23 = value(2, 3, {1, 2, 3, 4, 5, 6}, "r", "c");
    const Arg col = value(3, 1, {1, 2, 3}, "n", "1");
    const Arg row = value(1, 3, {7, 8, 9}, "1", "m");
    const Arg empty = value(0, 0, {});
    auto single = [](double v, const QString &s = "NA") { return value(1, 1, {v}, s, s); };
    const QString format = "Format error", range = "Index out of range";

    // Entry by entry, a single value on either side.
    QTest::newRow("+ same shape") << "+" << Args{m2, value(2, 2, {10, 20, 30, 40})}
                                  << ok("+", 2, 2, {11, 22, 33, 44}, "n", "n");
    QTest::newRow("+ single right") << "+" << Args{col, single(5)} << ok("+", 3, 1, {6, 7, 8}, "n");
    QTest::newRow("+ single left")
        << "+" << Args{single(5, "n"), row} << ok("+", 1, 3, {12, 13, 14}, "1", "m");
    QTest::newRow("+ both single") << "+" << Args{single(2, "n"), single(3)} << ok("+", 1, 1, {5});
    QTest::newRow("+ row and column") << "+" << Args{col, row} << failed(format);
    QTest::newRow("+ empty first") << "+" << Args{empty, single(1)} << failed("Argument error");
    QTest::newRow("+ empty second") << "+" << Args{m2, empty} << failed(format);
    QTest::newRow("- single left") << "-" << Args{single(10), col} << ok("-", 3, 1, {9, 8, 7}, "n");
    QTest::newRow("- single right") << "-" << Args{col, single(1)} << ok("-", 3, 1, {0, 1, 2}, "n");
    QTest::newRow(".* same shape") << ".*" << Args{m2, value(2, 2, {2, 0, -1, 0.5})}
                                   << ok(".*", 2, 2, {2, 0, -3, 2}, "n", "n");
    QTest::newRow(".* transposed")
        << ".*" << Args{m23, value(3, 2, {1, 1, 1, 1, 1, 1})} << failed(format);
    QTest::newRow("/ by zero") << "/" << Args{col, value(3, 1, {2, 0, -4})}
                               << ok("/", 3, 1, {0.5, 1e12, -0.75}, "n");
    QTest::newRow("/ single left") << "/" << Args{single(1), value(1, 3, {4, 1e-13, -2}, "1", "m")}
                                   << ok("/", 1, 3, {0.25, 1e12, -0.5}, "1", "m");
    QTest::newRow("MMAX single right")
        << "MMAX" << Args{value(3, 1, {1, 5, -2}, "n", "1"), single(2)}
        << ok("MMAX", 3, 1, {2, 5, 2}, "n");
    QTest::newRow("MMIN single left")
        << "MMIN" << Args{single(2), value(1, 3, {1, 5, -2}, "1", "m")}
        << ok("MMIN", 1, 3, {1, 2, -2}, "1", "m");
    QTest::newRow("IFGE shape of A")
        << "IFGE" << Args{col, single(2), single(10), value(3, 1, {-1, -2, -3})}
        << ok("IFGE", 3, 1, {-1, 10, 10}, "n");
    QTest::newRow("IFGE shape of C")
        << "IFGE" << Args{single(0), single(1), value(1, 2, {7, 8}, "1", "m"), single(9)}
        << ok("IFGE", 1, 2, {9, 9}, "1", "m");
    QTest::newRow("IFGE tolerance")
        << "IFGE" << Args{single(1 - 5e-7), single(1), single(1), single(0)}
        << ok("IFGE", 1, 1, {1});
    QTest::newRow("IFGE D differs") << "IFGE" << Args{row, single(0), row, col} << failed(format);

    // Matrix product.
    QTest::newRow("* matrices") << "*" << Args{m23, value(3, 2, {1, 0, 0, 1, 1, 1}, "c", "s")}
                                << ok("*", 2, 2, {4, 5, 10, 11}, "r", "s");
    QTest::newRow("* row by column") << "*" << Args{row, col} << ok("*", 1, 1, {50});
    QTest::newRow("* column by row")
        << "*" << Args{col, row} << ok("*", 3, 3, {7, 8, 9, 14, 16, 18, 21, 24, 27}, "n", "m");
    QTest::newRow("* single left")
        << "*" << Args{single(2), m23} << ok("*", 2, 3, {2, 4, 6, 8, 10, 12}, "r", "c");
    QTest::newRow("* single right")
        << "*" << Args{m23, single(-1)} << ok("*", 2, 3, {-1, -2, -3, -4, -5, -6}, "r", "c");
    QTest::newRow("* same shape") << "*" << Args{m23, m23} << failed(format);
    QTest::newRow("* empty second") << "*" << Args{single(2), empty} << failed(format);

    // Maps.
    QTest::newRow("SQRT") << "SQRT" << Args{value(2, 2, {4, 0, -1e-6, 2.25}, "n", "n")}
                          << ok("SQRT", 2, 2, {2, 0, 0, 1.5}, "n", "n");
    QTest::newRow("SQRT negative")
        << "SQRT" << Args{value(1, 2, {4, -1.1e-6})} << failed("Negative argument");
    QTest::newRow("ABS") << "ABS" << Args{value(1, 2, {-1.5, 2}, "1", "m")}
                         << ok("ABS", 1, 2, {1.5, 2}, "1", "m");
    QTest::newRow("EXP") << "EXP" << Args{col}
                         << ok("EXP", 3, 1, {M_E, M_E * M_E, std::exp(3.0)}, "n");
    QTest::newRow("EXP near the cap")
        << "EXP" << Args{value(1, 4, {27.6, 28, 1e300, -800})}
        << ok("EXP", 1, 4, {std::exp(27.6), 1e12, 1e12, 0}, "NA", "NA");
    QTest::newRow("CEIL") << "CEIL" << Args{value(1, 2, {1.2, -1.2})}
                          << ok("CEIL", 1, 2, {2, -1}, "NA", "NA");
    QTest::newRow("FLOOR") << "FLOOR" << Args{value(1, 2, {1.2, -1.2})}
                           << ok("FLOOR", 1, 2, {1, -2}, "NA", "NA");
    QTest::newRow("CENTER") << "CENTER" << Args{value(2, 2, {1, 2, 3, 6}, "n", "n")}
                            << ok("CENTER", 2, 2, {-2, -1, 0, 3}, "n", "n");
    QTest::newRow("CENTER empty") << "CENTER" << Args{empty} << failed("Argument error");

    // Entries by position.
    QTest::newRow("FIRST") << "FIRST" << Args{m2} << ok("FIRST", 1, 1, {1});
    QTest::newRow("SECOND along the row") << "SECOND" << Args{m2} << ok("SECOND", 1, 1, {2});
    QTest::newRow("LAST") << "LAST" << Args{m23} << ok("LAST", 1, 1, {6});
    QTest::newRow("SECOND of single") << "SECOND" << Args{single(3)} << failed("Not enough values");
    QTest::newRow("FIRST empty") << "FIRST" << Args{empty} << failed("Argument error");

    // Selection and reshaping.
    QTest::newRow("ADDCOLS") << "ADDCOLS" << Args{value(2, 1, {1, 2}, "n", "1"), m2}
                             << ok("ADDCOLS", 2, 3, {1, 1, 2, 2, 3, 4}, "n", "NA");
    QTest::newRow("ADDCOLS rows differ") << "ADDCOLS" << Args{col, m2} << failed(format);
    QTest::newRow("ADDCOLS too wide")
        << "ADDCOLS"
        << Args{value(1, 20, QVector<double>(20, 1)), value(1, 13, QVector<double>(13, 2))}
        << failed(format);
    QTest::newRow("COLUMN") << "COLUMN" << Args{m23, single(2)} << ok("COLUMN", 2, 1, {2, 5}, "r");
    QTest::newRow("COLUMN beyond") << "COLUMN" << Args{m23, single(4)} << failed(range);
    QTest::newRow("COLUMN zero") << "COLUMN" << Args{m23, single(0)} << failed(range);
    QTest::newRow("COLUMN vector index") << "COLUMN" << Args{m23, col} << failed(format);
    QTest::newRow("ROW") << "ROW" << Args{m23, single(2)} << ok("ROW", 1, 3, {4, 5, 6}, "1", "c");
    QTest::newRow("ROW beyond") << "ROW" << Args{m23, single(3)} << failed(range);
    QTest::newRow("VALUE AT matrix")
        << "VALUE AT" << Args{m23, single(2), single(3)} << ok("VALUE AT", 1, 1, {6});
    QTest::newRow("VALUE AT column")
        << "VALUE AT" << Args{col, single(3)} << ok("VALUE AT", 1, 1, {3});
    QTest::newRow("VALUE AT row") << "VALUE AT" << Args{row, single(2)}
                                  << ok("VALUE AT", 1, 1, {8});
    QTest::newRow("VALUE AT matrix, one index")
        << "VALUE AT" << Args{m23, single(2)} << failed(format);
    QTest::newRow("VALUE AT row beyond")
        << "VALUE AT" << Args{m23, single(3), single(1)} << failed(range);
    QTest::newRow("VALUE AT column beyond")
        << "VALUE AT" << Args{m23, single(1), single(4)} << failed(range);
    QTest::newRow("VALUE AT index missing")
        << "VALUE AT" << Args{m23, unlinked, single(1)} << failed("Missing arguments");
    QTest::newRow("TRANSPOSE") << "TRANSPOSE" << Args{m23}
                               << ok("TRANSPOSE", 3, 2, {1, 4, 2, 5, 3, 6}, "c", "r");
    QTest::newRow("DIAG of column") << "DIAG" << Args{value(2, 1, {1, 2}, "n", "1")}
                                    << ok("DIAG", 2, 2, {1, 0, 0, 2}, "n", "n");
    QTest::newRow("DIAG of row") << "DIAG" << Args{row}
                                 << ok("DIAG", 3, 3, {7, 0, 0, 0, 8, 0, 0, 0, 9}, "m", "m");
    QTest::newRow("DIAG of square") << "DIAG" << Args{m2} << ok("DIAG", 2, 1, {1, 4}, "n", "1");
    QTest::newRow("DIAG of 2x3") << "DIAG" << Args{m23} << failed(format);
    QTest::newRow("SORT column") << "SORT" << Args{value(3, 1, {3, 1, 2}, "n", "1")}
                                 << ok("SORT", 3, 1, {3, 2, 1}, "n");
    QTest::newRow("SORT row") << "SORT" << Args{value(1, 4, {1, 3, 1, 2}, "1", "m")}
                              << ok("SORT", 1, 4, {3, 2, 1, 1}, "1", "m");
    QTest::newRow("SORT matrix") << "SORT" << Args{m2} << failed(format);
}

void tst_ArithmeticOperators::compute()
{
    QFETCH(QString, keyword);
    QFETCH(Args, args);
    QFETCH(Expected, expected);
    checkOperatorCase(keyword, args, expected);
}

void tst_ArithmeticOperators::formulaTexts_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QVector<int>>("linked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("* second missing") << "*" << QVector<int>{1} << "MISSING ARGUMENT";
    QTest::newRow("VALUE AT two") << "VALUE AT" << QVector<int>{1, 2} << "VALUE AT(A(G),B(G))";
    QTest::newRow("VALUE AT without index")
        << "VALUE AT" << QVector<int>{1, 3} << "MISSING ARGUMENT";
    QTest::newRow("IFGE three") << "IFGE" << QVector<int>{1, 2, 3} << "MISSING ARGUMENT";
}

void tst_ArithmeticOperators::formulaTexts()
{
    QFETCH(QString, keyword);
    QFETCH(QVector<int>, linked);
    QFETCH(QString, expected);
    ValueSource a("A"), b("B"), c("C"), d("D");
    ValueSource *sources[4] = {&a, &b, &c, &d};
    auto item = build(keyword);
    for (int k : linked) {
        Calculus *s = sources[k - 1];
        QVERIFY(k == 1   ? item->setArg1(s)
                : k == 2 ? item->setArg2(s)
                : k == 3 ? item->setArg3(s)
                         : item->setArg4(s));
    }
    QCOMPARE(item->formula(), expected);
}

// Every item with all its arguments linked: two, three for VALUE AT, four for IFGE.
void tst_ArithmeticOperators::everyFormula()
{
    const QStringList pairs = {"+",    "-",    "*",       ".*",     "/",
                               "MMAX", "MMIN", "ADDCOLS", "COLUMN", "ROW"};
    ValueSource p("P"), q("Q"), r("R"), s("S");
    for (const QString &k : kKeywords) {
        auto item = build(k);
        const int arity = k == "IFGE" ? 4 : k == "VALUE AT" ? 3 : pairs.contains(k) ? 2 : 1;
        item->setArg1(&p);
        item->setArg2(&q);
        item->setArg3(&r);
        item->setArg4(&s);
        const QStringList all = {"P(G)", "Q(G)", "R(G)", "S(G)"};
        QCOMPARE(item->formula(), k + "(" + all.mid(0, arity).join(",") + ")");
    }
}

void tst_ArithmeticOperators::descriptionsStateTheKeyword()
{
    for (const QString &k : kKeywords) {
        auto item = build(k);
        QVERIFY2(item, qPrintable(k));
        QVERIFY(!item->latexDocumentation().isEmpty());
        QVERIFY(item->textDocumentation().startsWith(k + " : "));
        // The two texts differ only by line breaks.
        QString text = item->textDocumentation().mid(k.size() + 3).chopped(1);
        QCOMPARE(text.replace("\n ", " ").replace("\n", " "), item->latexDocumentation());
    }
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
        two.setValue(1, 1, {2}, "1", "1");
        rowIndex.setValue(1, 1, {double(pi + 1)});
        colIndex.setValue(1, 1, {double(pj + 1)});
        larger->setArg1(degrees.get());
        larger->setArg2(&two);
        sorted->setArg1(degrees.get());
        square->setArg1(adjacency.get());
        square->setArg2(adjacency.get());
        at->setArg1(square.get());
        at->setArg2(&rowIndex);
        at->setArg3(&colIndex);
        transposed->setArg1(adjacency.get());
        difference->setArg1(adjacency.get());
        difference->setArg2(transposed.get());
        const QList<Calculus *> order = {degrees.get(),    adjacency.get(), &two,
                                         &rowIndex,        &colIndex,       larger.get(),
                                         sorted.get(),     square.get(),    at.get(),
                                         transposed.get(), difference.get()};
        for (Calculus *c : order)
            c->setGraph(&g);
        g.changeBest();
        for (Calculus *c : order)
            c->compute(true);
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
        QCOMPARE(square->rows, n);
        QCOMPARE(square->cols, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                int common = 0;
                for (int k = 0; k < n; ++k)
                    common += (k != i && k != j && g.edge(i, k) && g.edge(k, j)) ? 1 : 0;
                QCOMPARE(square->M[i][j], double(i == j ? degree[i] : common));
                QCOMPARE(difference->M[i][j], 0.0);
            }
        QCOMPARE(at->M[0][0], square->M[pi][pj]);
        QCOMPARE(at->rows, 1);
    }
}

// Random shapes (often matching, often 1 x 1) and random entries among zeros, tiny, ordinary
// and huge values: whatever an item answers, the entries it reports are finite.
void tst_ArithmeticOperators::finiteArgumentsGiveFiniteValues()
{
    const double big = std::numeric_limits<double>::max();
    const double pool[] = {0.0,   -0.0, 1e-300, -1e-13, 1.0, -2.5, 7.0, 3.0,
                           709.0, 1e12, -1e300, 1e300,  big, -big, 2.0, 1e-7};
    TestBoard board(1);
    int computed = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const int r = 1 + qrand() % 6, c = 1 + qrand() % 6;
        ValueSource sources[4];
        for (ValueSource &s : sources) {
            const int shape = qrand() % 4;
            const int sr = shape == 0 ? 1 : shape == 1 ? c : r;
            const int sc = shape == 0 ? 1 : shape == 1 ? r : c;
            QVector<double> entries(sr * sc);
            for (double &e : entries)
                e = pool[qrand() % 16];
            s.setValue(sr, sc, entries);
        }
        for (const QString &k : kKeywords) {
            auto item = build(k);
            item->setArg1(&sources[0]);
            item->setArg2(&sources[1]);
            item->setArg3(&sources[2]);
            item->setArg4(&sources[3]);
            board.evaluate({&sources[0], &sources[1], &sources[2], &sources[3], item.get()});
            QVERIFY(item->rows >= 0 && item->rows <= 32 && item->cols >= 0 && item->cols <= 32);
            if (item->getError())
                continue;
            ++computed;
            for (int i = 0; i < item->rows; ++i)
                for (int j = 0; j < item->cols; ++j)
                    QVERIFY2(std::isfinite(item->M[i][j]),
                             qPrintable(QString("%1 (%2,%3)").arg(k).arg(i).arg(j)));
        }
    }
    QVERIFY(computed > 600); // most cases compute rather than fail on their shapes
}

QTEST_MAIN(tst_ArithmeticOperators)
#include "tst_ArithmeticOperators.moc"
