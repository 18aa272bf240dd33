#include "invariants/invINPCC.h"

#include "graph/Graph.h"
#include "invariants/HighlightSearch.h"
#include "invariants/ItemValues.h"

invINPCC::invINPCC(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("n");
    const QString doc =
        QStringLiteral("Is the edge in the shortest path tree from the last selected node (only "
                       "one such tree is considered). Function for hilight purpose only.");
    initItem(QStringLiteral("INPCC"), doc, doc, graphical, Report::Matrix, true);
}

void invINPCC::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    BitGraph marks;
    if (!breadthFirstTree(g, graph->getLastClickedNode(), &marks))
        error = true;
    putEdgeMarks(*this, marks);
}
