#include "invariants/invNCONN.h"

#include "invariants/ItemValues.h"
#include "invariants/VertexConnectivity.h"

#include <cstdio>

invNCONN::invNCONN(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Node connectivity index, the minimum number of vertices "
                                       "that must be removed from the graph to disconnect it.");
    initItem(QStringLiteral("NCONN"), doc, doc, graphical, Report::Value, true);
}

void invNCONN::recompute()
{
    if (!graph) {
        std::fputs("invNCONN no graph\n", stderr);
        std::fflush(stderr);
        fail();
        return;
    }
    putValue(*this, vertexConnectivity(readGraph()));
}
