#include "invariants/invCHROMATIC.h"

#include "invariants/Colouring.h"
#include "invariants/ItemValues.h"

invCHROMATIC::invCHROMATIC(bool graphical) : InvariantItem(Shape::Value)
{
    initInvariant(QStringLiteral("CHROMATIC"),
                  QStringLiteral("Chromatic number, the minimum number of colors that are needed "
                                 "to color each vertex such that two adjacent vertices do not "
                                 "share the same color."),
                  graphical);
}

void invCHROMATIC::recompute()
{
    const BitGraph &g = readGraph();
    if (g.n <= 1) {
        fail();
        return;
    }
    int colour[32];
    putValue(*this, chromaticColouring(g, colour));
}
