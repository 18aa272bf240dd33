#pragma once

// Table-driven cases for operator items: arguments given as value blocks, the expected outcome
// (error flag, saved message or label, shape, symbolic dimensions and entries).

#include "items/BuildCalculus.h"

#include "CommonTest.h"
#include "ValueSource.h"

#include <QtTest>
#include <memory>

/// One argument as a source yields it; rows < 0 leaves the argument unlinked.
struct Arg {
    int rows = -1;
    int cols = 0;
    QVector<double> entries;
    QString symbolRows = "NA";
    QString symbolCols = "NA";
};
using Args = QVector<Arg>;

inline Arg value(int r, int c, const QVector<double> &e, const QString &sr = "NA",
                 const QString &sc = "NA")
{
    return Arg{r, c, e, sr, sc};
}

struct Expected {
    bool error = false;
    QString saved;
    QString shownNow; // the tool tip right after the computation (no dialog, no backup)
    int rows = 0;
    int cols = 0;
    QString symbolRows = "NA";
    QString symbolCols = "NA";
    QVector<double> entries; // row-major over rows x cols
};

inline Expected ok(const QString &label, int r, int c, const QVector<double> &e,
                   const QString &sr = "1", const QString &sc = "1", const QString &now = QString())
{
    return Expected{false, label, now, r, c, sr, sc, e};
}

inline Expected failed(const QString &message, const QString &sr = "NA", const QString &sc = "NA",
                       const QString &now = QString())
{
    return Expected{true, message, now, 0, 0, sr, sc, {}};
}

Q_DECLARE_METATYPE(Args)
Q_DECLARE_METATYPE(Expected)

/// Builds the keyword's item without display, links the arguments, computes them and the item
/// on a one-vertex graph, and compares the outcome with expected (entries within 1e-9).
inline void checkOperatorCase(const QString &keyword, const Args &args, const Expected &expected)
{
    const BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, false));
    QVERIFY(item);
    ValueSource sources[4];
    TestBoard board(1);
    QList<Calculus *> order;
    for (int k = 0; k < args.size(); ++k) {
        if (args[k].rows < 0)
            continue;
        sources[k].setValue(args[k].rows, args[k].cols, args[k].entries, args[k].symbolRows,
                            args[k].symbolCols);
        QVERIFY(k == 0   ? item->setArg1(&sources[k])
                : k == 1 ? item->setArg2(&sources[k])
                : k == 2 ? item->setArg3(&sources[k])
                         : item->setArg4(&sources[k]));
        order << &sources[k];
    }
    order << item.get();
    for (Calculus *c : order)
        c->setGraph(&board.g);
    board.g.changeBest();
    for (Calculus *c : order)
        c->compute(true);

    QCOMPARE(item->getError(), expected.error);
    QCOMPARE(item->savedTooltip, expected.saved);
    QCOMPARE(item->toolTip(), expected.shownNow);
    QCOMPARE(item->rows, expected.rows);
    QCOMPARE(item->cols, expected.cols);
    QCOMPARE(item->getSRows(), expected.symbolRows);
    QCOMPARE(item->getSCols(), expected.symbolCols);
    for (int k = 0; k < expected.entries.size(); ++k)
        FUZZY_COMPARE(item->M[k / expected.cols][k % expected.cols], expected.entries[k], 1e-9);
}
