#include "invariants/VertexInvariant.h"

#include "invariants/ItemValues.h"

VertexInvariant::VertexInvariant(Column c, Report report)
    : InvariantItem(Shape::Vertex, report), column(c)
{
}

VertexInvariant::VertexInvariant(PartialColumn c, const QString &tip)
    : InvariantItem(Shape::Vertex), partialColumn(c), undefinedTip(tip)
{
}

VertexInvariant::VertexInvariant(Members m)
    : InvariantItem(Shape::Vertex, Report::Value), members(m)
{
}

void VertexInvariant::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    if (members) {
        putMembership(*this, members(g), g.n);
        return;
    }
    double values[32];
    if (column) {
        column(g, values);
    } else {
        if (!partialColumn(g, values)) {
            fail(undefinedTip);
            return;
        }
        if (!undefinedTip.isEmpty())
            saveTooltip(QString());
    }
    putColumn(*this, g.n, values);
}
