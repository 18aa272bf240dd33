#include "invariants/invAVDIST.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"
#include "common/writeDiagnostic.h"

invAVDIST::invAVDIST(bool graphical) : InvariantItem(Shape::Value)
{
    initInvariant(QStringLiteral("AVDIST"),
                  QStringLiteral("Average distance, $\\bar{d} = W / \\binom{n}{2}$, the Wiener "
                                 "index divided by the number $n(n-1)/2$ of pairs of vertices; "
                                 "undefined (error) below 2 vertices or on a disconnected graph."),
                  QStringLiteral("Average distance, the Wiener index W divided by the number "
                                 "n(n-1)/2 of pairs of vertices; undefined (error) below 2 "
                                 "vertices or on a disconnected graph."),
                  graphical);
}

void invAVDIST::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    if (g.n < 2) {
        fail(QStringLiteral("Fewer than 2 vertices"));
        return;
    }
    DistanceMatrix dm;
    allDistances(g, dm);
    double value = 0;
    if (!averageDistance(dm, value)) {
        writeDiagnostic("ERROR IN AVDIST");
        fail(QStringLiteral("Graph not connected"));
        return;
    }
    saveTooltip(QString());
    putValue(*this, value);
}
