#include "invariants/invCUTCENTRALITY.h"

#include "invariants/CutCentrality.h"
#include "invariants/ItemValues.h"

invCUTCENTRALITY::invCUTCENTRALITY(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("CUTCENTRALITY"),
             QStringLiteral("Cut centrality of each vertex $u$, the number of pairs $s<t$ of other "
                            "vertices joined by a path in $G$ but not in $G-u$."),
             QStringLiteral("Cut centrality of each vertex u, the number of pairs s < t of other "
                            "vertices joined by a path in G but not in G-u."),
             graphical, Report::Node, true);
}

void invCUTCENTRALITY::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    double v[32];
    cutCentrality(g, v);
    putColumn(*this, g.n, v);
}
