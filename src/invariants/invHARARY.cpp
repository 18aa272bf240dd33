#include "invariants/invHARARY.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invHARARY::invHARARY(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("HARARY"),
             QStringLiteral("Harary index, $H = \\sum_{u<v} 1/d(u,v)$; pairs of vertices in "
                            "different components add 0."),
             QStringLiteral("Harary index, H = sum over pairs u < v of 1/d(u,v); pairs of vertices "
                            "in different components add 0."),
             graphical, Report::Value, true);
}

void invHARARY::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    DistanceMatrix dm;
    allDistances(g, dm);
    putValue(*this, hararyIndex(dm));
}
