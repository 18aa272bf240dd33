#include "invariants/invZAGREBM2.h"

#include "invariants/DegreeIndices.h"
#include "invariants/ItemValues.h"

invZAGREBM2::invZAGREBM2(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("ZAGREBM2"),
             QStringLiteral("Zagreb M2 index, defined as $M2 = \\sum_{(i,j)\\in E}d(i)d(j)$ where "
                            "$d(i)$ is the degree of the vertex $i$."),
             QStringLiteral("Zagreb M2 index, sum of the products of degrees over the edges."),
             graphical, Report::Value, true);
}

void invZAGREBM2::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putDegreeIndex(*this, g, zagrebM2(g));
}
