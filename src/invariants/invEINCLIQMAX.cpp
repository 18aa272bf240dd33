#include "invariants/invEINCLIQMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invEINCLIQMAX::invEINCLIQMAX(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc = QStringLiteral("Edges in a maximum cliq. To be used for display purpose.");
    initItem(QStringLiteral("EINCLIQMAX"), doc, doc, graphical, Report::Value, true);
}

void invEINCLIQMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    uint32_t members = 0;
    maximumClique(g, &members);
    BitGraph marks;
    marks.n = g.n;
    for (int v = 0; v < g.n; ++v)
        marks.row[v] = (members >> v) & 1u ? members & ~(1u << v) : 0u;
    putEdgeMarks(*this, marks);
}
