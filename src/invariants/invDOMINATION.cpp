#include "invariants/invDOMINATION.h"

#include "invariants/DominationSearch.h"

invDOMINATION::invDOMINATION(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return minimumDominatingSet(g, nullptr); })
{
    initInvariant(QStringLiteral("DOMINATION"),
                  QStringLiteral("Cardinality of the minimum dominating set $S$ such that "
                                 "$\\forall v \\in V$ either $v\\in S$, or $(v,w)\\in E$ and $w "
                                 "\\in S$."),
                  QStringLiteral("Cardinality of the minimum dominating set S such that for all "
                                 "vertex v, either v is in S, or v is adjacent to a vertex in S."),
                  graphical);
}
