#include "invariants/invIINDEX.h"

#include "invariants/InformationCentrality.h"
#include "invariants/ItemValues.h"

invIINDEX::invIINDEX(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("IINDEX"),
        QStringLiteral("Information centrality (Stephenson and Zelen) of each vertex, $I(u) = "
                       "n/(n C_{uu} + \\mathrm{tr}(C) - 2 \\sum_v C_{uv})$ with $C = "
                       "(L+J)^{-1}$, $L$ the Laplacian and $J$ the all-ones matrix; 1e12 for a "
                       "single vertex, undefined (error) on a disconnected graph."),
        QStringLiteral("Information centrality (Stephenson and Zelen) of each vertex, I(u) = "
                       "n/(n C_uu + trace(C) - 2 * sum of row u of C) with C = (L+J)^-1, L the "
                       "Laplacian and J the all-ones matrix; 1e12 for a single vertex, "
                       "undefined (error) on a disconnected graph."),
        graphical, Report::Node, true);
}

void invIINDEX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    double v[32];
    if (!informationCentrality(g, v)) {
        fail(QStringLiteral("Graph not connected"));
        return;
    }
    saveTooltip(QString());
    putColumn(*this, g.n, v);
}
