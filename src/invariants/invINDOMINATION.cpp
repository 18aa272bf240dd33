#include "invariants/invINDOMINATION.h"

#include "invariants/DominationSearch.h"
#include "invariants/ItemValues.h"

invINDOMINATION::invINDOMINATION(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Vertices in a minimum domination set. To be used for display purpose.");
    initItem(QStringLiteral("INDOMINATION"), doc, doc, graphical, Report::Value, true);
}

void invINDOMINATION::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    uint32_t members = 0;
    minimumDominatingSet(g, &members);
    putMembership(*this, members, g.n);
}
