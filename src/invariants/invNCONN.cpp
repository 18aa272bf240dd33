#include "invariants/invNCONN.h"

#include "invariants/VertexConnectivity.h"

invNCONN::invNCONN(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return vertexConnectivity(g); })
{
    noGraphLine = "invNCONN no graph";
    initInvariant(QStringLiteral("NCONN"),
                  QStringLiteral("Node connectivity index, the minimum number of vertices that "
                                 "must be removed from the graph to disconnect it."),
                  graphical);
}
