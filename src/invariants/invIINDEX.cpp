#include "invariants/invIINDEX.h"

#include "invariants/InformationCentrality.h"

invIINDEX::invIINDEX(bool graphical)
    : VertexInvariant(&informationCentrality, QStringLiteral("Graph not connected"))
{
    initInvariant(QStringLiteral("IINDEX"),
                  QStringLiteral("Information centrality (Stephenson and Zelen) of each vertex, "
                                 "$I(u) = n/(n C_{uu} + \\mathrm{tr}(C) - 2 \\sum_v C_{uv})$ "
                                 "with $C = (L+J)^{-1}$, $L$ the Laplacian and $J$ the all-ones "
                                 "matrix; 1e12 for a single vertex, undefined (error) on a "
                                 "disconnected graph."),
                  QStringLiteral("Information centrality (Stephenson and Zelen) of each vertex, "
                                 "I(u) = n/(n C_uu + trace(C) - 2 * sum of row u of C) with C = "
                                 "(L+J)^-1, L the Laplacian and J the all-ones matrix; 1e12 for "
                                 "a single vertex, undefined (error) on a disconnected graph."),
                  graphical);
}
