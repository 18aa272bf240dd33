#include "invariants/invRANDIC.h"

#include "invariants/DegreeIndices.h"
#include "invariants/ItemValues.h"

invRANDIC::invRANDIC(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("RANDIC"),
        QStringLiteral(
            "Randi\\'c index, defined as $\\chi = \\sum_{(i,j)\\in E}\\frac{1}{\\sqrt{\\delta_i "
            "\\delta_j}}$ where $\\delta_i$ is the degree of the vertex $i$."),
        QStringLiteral("Randic index = Sum{(i,j) in E} [1/sqrt(d(i) * d(j))] where d(i) is the "
                       "degree of the vertex i."),
        graphical, Report::Value, true);
}

void invRANDIC::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putDegreeIndex(*this, g, randicIndex(g));
}
