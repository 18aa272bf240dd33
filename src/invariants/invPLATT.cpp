#include "invariants/invPLATT.h"

#include "invariants/DegreeIndices.h"
#include "invariants/ItemValues.h"

invPLATT::invPLATT(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Platt index, defined as $P = \\sum_{(u,v)\\in E} d(u) + "
                                       "d(v)-2$ where $d(v)$ is the degree of the vertex $v$.");
    initItem(QStringLiteral("PLATT"), doc, doc, graphical, Report::Value, true);
}

void invPLATT::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putDegreeIndex(*this, g, plattIndex(g));
}
