#include "invariants/invTRIANGLES.h"

#include "invariants/ItemValues.h"
#include "invariants/SubgraphCounts.h"

invTRIANGLES::invTRIANGLES(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("The number of triangles in the graph.");
    initItem(QStringLiteral("TRIANGLES"), doc, doc, graphical, Report::Value, true);
}

void invTRIANGLES::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, triangleCount(g));
}
