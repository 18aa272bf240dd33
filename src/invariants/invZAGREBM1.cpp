#include "invariants/invZAGREBM1.h"

#include "invariants/DegreeIndices.h"
#include "invariants/ItemValues.h"

invZAGREBM1::invZAGREBM1(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("ZAGREBM1"),
             QStringLiteral("Zagreb M1 index, defined as $M1 = \\sum_{v\\in V}d(v)^2$ where $d(v)$ "
                            "is the degree of the vertex $v$."),
             QStringLiteral("Zagreb M1 index, sum of the squared degrees of the vertices of G."),
             graphical, Report::Value, true);
}

void invZAGREBM1::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putDegreeIndex(*this, g, zagrebM1(g));
}
