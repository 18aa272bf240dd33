#include "invariants/InvariantItem.h"

InvariantItem::InvariantItem(Shape shape)
    : InvariantItem(shape, shape == Shape::Value    ? Report::Value
                           : shape == Shape::Vertex ? Report::Node
                                                    : Report::Matrix)
{
}

InvariantItem::InvariantItem(Shape shape, Report r) : report(r)
{
    sRows = shape == Shape::Value ? QStringLiteral("1") : QStringLiteral("n");
    sCols = shape == Shape::Matrix ? QStringLiteral("n") : QStringLiteral("1");
}

void InvariantItem::initInvariant(const QString &keyword, const QString &latex, const QString &text,
                                  bool graphical)
{
    initItem(keyword, latex, text, graphical, report, true);
}

void InvariantItem::initInvariant(const QString &keyword, const QString &doc, bool graphical)
{
    initItem(keyword, doc, doc, graphical, report, true);
}
