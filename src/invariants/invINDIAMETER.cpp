#include "invariants/invINDIAMETER.h"

#include "invariants/HighlightSearch.h"
#include "invariants/ItemValues.h"

invINDIAMETER::invINDIAMETER(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Edges belonging to the diameter of the graph.");
    initItem(QStringLiteral("INDIAMETER"), doc, doc, graphical, Report::Value, true);
}

void invINDIAMETER::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    BitGraph marks;
    if (diameterPath(g, &marks) < 0) {
        fail();
        return;
    }
    putEdgeMarks(*this, marks);
}
