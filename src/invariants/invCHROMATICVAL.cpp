#include "invariants/invCHROMATICVAL.h"

#include "invariants/Colouring.h"
#include "invariants/ItemValues.h"

invCHROMATICVAL::invCHROMATICVAL(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("label of the color that is assigned to each vertex in a way that minimizes "
                       "the total number of colors and respect the coloration condition (2 "
                       "adjacent vertices do not share the same color).");
    initItem(QStringLiteral("CHROMATICVAL"), doc, doc, graphical, Report::Node, true);
}

void invCHROMATICVAL::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    if (g.n <= 1) {
        fail();
        return;
    }
    int colour[32];
    chromaticColouring(g, colour);
    rows = g.n;
    cols = 1;
    for (int v = 0; v < g.n; ++v)
        M[v][0] = colour[v];
}
