#include "invariants/invORDER.h"

#include <cstdio>

invORDER::invORDER(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("ORDER"),
             QStringLiteral("Order of the graph, $n = |V|$ the number of vertices of $G$."),
             QStringLiteral("Order of the graph, n = |V| the number of vertices of G."), graphical,
             Report::Value, true);
}

void invORDER::recompute()
{
    if (!graph) {
        std::fputs("invORDER no graph\n", stderr);
        std::fflush(stderr);
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    rows = cols = 1;
    M[0][0] = g.n;
}
