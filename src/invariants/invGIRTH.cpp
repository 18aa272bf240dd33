#include "invariants/invGIRTH.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invGIRTH::invGIRTH(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Girth, the length of a shortest cycle of the graph; 1e12 for a forest, "
                       "which has no cycle.");
    initItem(QStringLiteral("GIRTH"), doc, doc, graphical, Report::Value, true);
}

void invGIRTH::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, girth(g));
}
