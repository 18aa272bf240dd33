#include "invariants/EdgeMarkInvariant.h"

#include "graph/Graph.h"
#include "invariants/ItemValues.h"

EdgeMarkInvariant::EdgeMarkInvariant(Kernel k, Undefined u, Report report)
    : InvariantItem(Shape::Matrix, report), kernel(k), undefined(u)
{
}

void EdgeMarkInvariant::recompute()
{
    if (missingGraph(noGraphLine))
        return;
    const BitGraph &g = readGraph();
    BitGraph marks;
    if (!kernel(g, graph->getLastClickedNode(), marks)) {
        if (undefined == Undefined::Fails) {
            fail();
            return;
        }
        error = true;
    }
    putEdgeMarks(*this, marks);
}
