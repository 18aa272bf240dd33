#include "optimizer/RelationalConstraint.h"

RelationalConstraint::RelationalConstraint(Relation rel, const QString &keyword, const QString &doc,
                                           bool graphical)
    : relation(rel)
{
    initItem(keyword, doc, doc, graphical, Report::Free, false);
}

QString RelationalConstraint::formula()
{
    if (!arg1 || !arg2)
        return QStringLiteral("MISSING ARGUMENT");
    return arg1->formula() + QLatin1Char(' ') + name + QLatin1Char(' ') + arg2->formula();
}

void RelationalConstraint::recompute()
{
    if (!arg1 || !arg2) {
        fail(QStringLiteral("Missing arguments"));
        return;
    }
    // An empty argument would pair elements with storage it does not hold.
    if (!relationShapesPair(arg1->rows, arg1->cols, arg2->rows, arg2->cols)) {
        fail(QStringLiteral("Format error"));
        return;
    }
    saveTooltip(name);
    rows = cols = 1;
    M[0][0] = relationViolation(relation, arg1->M, arg1->rows, arg1->cols, arg2->M, arg2->rows,
                                arg2->cols);
}
