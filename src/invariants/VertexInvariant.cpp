#include "invariants/VertexInvariant.h"

#include "invariants/ItemValues.h"

VertexInvariant::VertexInvariant(Column c, Report report)
    : InvariantItem(Shape::Vertex, report), column(c)
{
}

VertexInvariant::VertexInvariant(ConnectedColumn c)
    : InvariantItem(Shape::Vertex), connectedColumn(c)
{
}

VertexInvariant::VertexInvariant(Members m)
    : InvariantItem(Shape::Vertex, Report::Value), members(m)
{
}

void VertexInvariant::recompute()
{
    const BitGraph &g = readGraph();
    if (members) {
        putMembership(*this, members(g), g.n);
        return;
    }
    double values[32];
    if (column) {
        column(g, values);
    } else {
        if (!connectedColumn(g, values)) {
            fail(QStringLiteral("Graph not connected"));
            return;
        }
        saveTooltip(QString());
    }
    putColumn(*this, g.n, values);
}
