#include "invariants/invAVDIST.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

#include <cstdio>

invAVDIST::invAVDIST(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(
        QStringLiteral("AVDIST"),
        QStringLiteral("Average distance, $\\bar{d} = W / \\binom{n}{2}$, the Wiener index "
                       "divided by the number $n(n-1)/2$ of pairs of vertices; undefined "
                       "(error) below 2 vertices or on a disconnected graph."),
        QStringLiteral("Average distance, the Wiener index W divided by the number n(n-1)/2 of "
                       "pairs of vertices; undefined (error) below 2 vertices or on a "
                       "disconnected graph."),
        graphical, Report::Value, true);
}

void invAVDIST::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    if (g.n < 2) {
        fail(QStringLiteral("Fewer than 2 vertices"));
        return;
    }
    DistanceMatrix dm;
    allDistances(g, dm);
    double value = 0;
    if (!averageDistance(dm, value)) {
        std::fputs("ERROR IN AVDIST\n", stderr);
        std::fflush(stderr);
        fail(QStringLiteral("Graph not connected"));
        return;
    }
    saveTooltip(QString());
    putValue(*this, value);
}
