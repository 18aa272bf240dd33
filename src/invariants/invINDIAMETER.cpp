#include "invariants/invINDIAMETER.h"

#include "invariants/HighlightSearch.h"

invINDIAMETER::invINDIAMETER(bool graphical)
    : EdgeMarkInvariant(
          [](const BitGraph &g, int, BitGraph &marks) { return diameterPath(g, &marks) >= 0; },
          Undefined::Fails, Report::Value)
{
    initInvariant(QStringLiteral("INDIAMETER"),
                  QStringLiteral("Edges belonging to the diameter of the graph."), graphical);
}
