#include "invariants/invCHROMATIC.h"

#include "invariants/Colouring.h"
#include "invariants/ItemValues.h"

invCHROMATIC::invCHROMATIC(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Chromatic number, the minimum number of colors that are needed to color "
                       "each vertex such that two adjacent vertices do not share the same color.");
    initItem(QStringLiteral("CHROMATIC"), doc, doc, graphical, Report::Value, true);
}

void invCHROMATIC::recompute()
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
    putValue(*this, chromaticColouring(g, colour));
}
