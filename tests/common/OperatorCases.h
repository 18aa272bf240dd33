#pragma once

// Operator items on a small board: argument items yielding preset value blocks, and table rows
// giving the arguments, the graph and the whole expected outcome.

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Operator.h"

#include "CommonTest.h"

#include <QtTest>
#include <memory>

/// An argument: rows x cols entries row-major and symbolic dimensions; rows = -1 leaves it
/// unlinked, rows = -2 links an argument in error.
struct Arg {
    int rows = -1;
    int cols = 0;
    QVector<double> entries;
    QString symbolRows = "NA", symbolCols = "NA";
};
using Args = QVector<Arg>;
const Arg unlinked, inError{-2, 0, {}};

inline Arg val(int r, int c, const QVector<double> &e, const QString &sr = "NA",
               const QString &sc = "NA")
{
    return Arg{r, c, e, sr, sc};
}

inline Arg one(double v, const QString &s = "NA")
{
    return Arg{1, 1, {v}, s, s};
}

/// An argument item yielding its preset value (failing for rows = -2); its formula is its name
/// followed by "(G)".
class ValueSource : public Operator
{
public:
    explicit ValueSource(const QString &label = QStringLiteral("SRC"))
    {
        initItem(label, QString(), QString(), false, Report::Free, false);
    }
    QString formula() override { return name + QStringLiteral("(G)"); }
    void recompute() override
    {
        if (value.rows == -2)
            return fail(QStringLiteral("source failed"));
        rows = value.rows;
        cols = value.cols;
        for (int k = 0; k < value.entries.size() && cols > 0; ++k)
            M[k / cols][k % cols] = value.entries[k];
        sRows = value.symbolRows;
        sCols = value.symbolCols;
    }
    Arg value{0, 0, {}};
};

/// A graph of n vertices with edges i-(i+1) for each i of chain, complemented for the item.
struct Board {
    int n = 1;
    QVector<int> chain;
    bool complement = false;
};

struct Expected {
    bool error = false;
    QString saved; // null: the keyword
    int rows = 0, cols = 0;
    QString symbolRows = "NA", symbolCols = "NA";
    QVector<double> entries; // row-major over rows x cols; a zero's sign counts
    bool shownNow = false;   // the saved text is the tool tip at once (no dialog, no backup)
    QString formula;         // null: not compared
    QString shown;           // null: the tool tip as shownNow says; else the tool tip at once
    Expected labelled(const QString &l) const { return Expected(*this).set(&Expected::saved, l); }
    Expected now() const { return Expected(*this).set(&Expected::shownNow, true); }
    Expected writes(const QString &f) const { return Expected(*this).set(&Expected::formula, f); }
    Expected shows(const QString &t) const { return Expected(*this).set(&Expected::shown, t); }
    template <class T> Expected &set(T Expected::*field, const T &v)
    {
        return this->*field = v, *this;
    }
};

inline Expected ok(int r, int c, const QVector<double> &e, const QString &sr = "1",
                   const QString &sc = "1")
{
    return Expected{false, QString(), r, c, sr, sc, e, false, QString(), QString()};
}

inline Expected failed(const QString &message, const QString &sr = "NA", const QString &sc = "NA")
{
    return Expected{true, message, 0, 0, sr, sc, {}, false, QString(), QString()};
}

Q_DECLARE_METATYPE(Args)
Q_DECLARE_METATYPE(Expected)
Q_DECLARE_METATYPE(Board)

const QStringList arithmeticKeywords = {
    "SQRT",   "ABS",       "EXP",  "CEIL",    "FLOOR",  "FIRST", "SECOND",   "LAST",
    "CENTER", "TRANSPOSE", "DIAG", "SORT",    "+",      "-",     ".*",       "/",
    "*",      "MMAX",      "MMIN", "ADDCOLS", "COLUMN", "ROW",   "VALUE AT", "IFGE"};

inline std::unique_ptr<Calculus> build(const QString &keyword, bool graphical = false)
{
    static const BuildCalculus catalogue;
    return std::unique_ptr<Calculus>(catalogue.makeCalculus(keyword, graphical));
}

inline bool linkArgument(Calculus *item, int k, Calculus *arg)
{
    return k == 1   ? item->setArg1(arg)
           : k == 2 ? item->setArg2(arg)
           : k == 3 ? item->setArg3(arg)
                    : item->setArg4(arg);
}

inline void draw(Graph &g, const Board &b)
{
    g.clear();
    for (int v = 0; v < b.n; ++v)
        g.addNode();
    for (int v : b.chain)
        g.addEdge(v, v + 1);
}

/// Computes the items in order as the board does: the counter moves, then each computes forced.
inline void evaluate(Graph &g, const QList<Calculus *> &items)
{
    for (Calculus *c : items)
        c->setGraph(&g);
    g.changeBest();
    for (Calculus *c : items)
        c->compute(true);
}

inline void addCaseColumns()
{
    QTest::addColumn<Args>("args");
    QTest::addColumn<Expected>("expected");
    QTest::addColumn<Board>("board");
}

/// A row whose tag names the keyword: "KEYWORD" or "KEYWORD: what it shows".
inline void addCase(const QString &tag, const Args &args, const Expected &e, const Board &b = {})
{
    QTest::newRow(qPrintable(tag)) << args << e << b;
}

/// Builds the row's item without display, links its arguments, computes them and the item, and
/// compares the outcome with the expected one (entries within 1e-9).
inline void runCase()
{
    QFETCH(Args, args);
    QFETCH(Expected, expected);
    QFETCH(Board, board);
    const QString keyword = QString(QTest::currentDataTag()).section(':', 0, 0);
    auto item = build(keyword);
    QVERIFY(item);
    item->setInvertGraph(board.complement);
    ValueSource sources[4];
    QList<Calculus *> order;
    for (int k = 0; k < args.size(); ++k) {
        if (args[k].rows != -1) {
            sources[k].value = args[k];
            QVERIFY(linkArgument(item.get(), k + 1, &sources[k]));
            order << &sources[k];
        }
    }
    Graph g(QStringLiteral("G"), false);
    draw(g, board);
    evaluate(g, order << item.get());
    const QString saved = expected.saved.isNull() ? keyword : expected.saved;
    QCOMPARE(item->getError(), expected.error);
    QCOMPARE(item->savedTooltip, saved);
    QCOMPARE(item->toolTip(), !expected.shown.isNull() ? expected.shown
                              : expected.shownNow      ? saved
                                                       : QString());
    QCOMPARE(QSize(item->cols, item->rows), QSize(expected.cols, expected.rows));
    QCOMPARE(item->getSRows() + " x " + item->getSCols(),
             expected.symbolRows + " x " + expected.symbolCols);
    if (!expected.formula.isNull())
        QCOMPARE(item->formula(), expected.formula);
    for (int k = 0; k < expected.entries.size(); ++k) {
        const double x = item->M[k / expected.cols][k % expected.cols], e = expected.entries[k];
        FUZZY_COMPARE(x, e, 1e-9);
        QVERIFY(e != 0 || std::signbit(x) == std::signbit(e));
    }
}
