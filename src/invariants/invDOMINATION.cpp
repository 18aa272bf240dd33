#include "invariants/invDOMINATION.h"

#include "invariants/DominationSearch.h"
#include "invariants/ItemValues.h"

invDOMINATION::invDOMINATION(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("DOMINATION"),
             QStringLiteral("Cardinality of the minimum dominating set $S$ such that $\\forall v "
                            "\\in V$ either $v\\in S$, or $(v,w)\\in E$ and $w \\in S$."),
             QStringLiteral("Cardinality of the minimum dominating set S such that for all vertex "
                            "v, either v is in S, or v is adjacent to a vertex in S."),
             graphical, Report::Value, true);
}

void invDOMINATION::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, minimumDominatingSet(g, nullptr));
}
