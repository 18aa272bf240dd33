#include "invariants/invORDER.h"

invORDER::invORDER(bool graphical) : ValueInvariant([](const BitGraph &g) -> double { return g.n; })
{
    noGraphLine = "invORDER no graph";
    initInvariant(QStringLiteral("ORDER"),
                  QStringLiteral("Order of the graph, $n = |V|$ the number of vertices of $G$."),
                  QStringLiteral("Order of the graph, n = |V| the number of vertices of G."),
                  graphical);
}
