#include "invariants/invCHROMATICVAL.h"

#include "invariants/Colouring.h"

invCHROMATICVAL::invCHROMATICVAL(bool graphical) : InvariantItem(Shape::Vertex)
{
    initInvariant(QStringLiteral("CHROMATICVAL"),
                  QStringLiteral("label of the color that is assigned to each vertex in a way "
                                 "that minimizes the total number of colors and respect the "
                                 "coloration condition (2 adjacent vertices do not share the "
                                 "same color)."),
                  graphical);
}

void invCHROMATICVAL::recompute()
{
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
