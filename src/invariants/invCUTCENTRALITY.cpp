#include "invariants/invCUTCENTRALITY.h"

#include "invariants/CutCentrality.h"

invCUTCENTRALITY::invCUTCENTRALITY(bool graphical) : VertexInvariant(&cutCentrality)
{
    initInvariant(QStringLiteral("CUTCENTRALITY"),
                  QStringLiteral("Cut centrality of each vertex $u$, the number of pairs $s<t$ "
                                 "of other vertices joined by a path in $G$ but not in $G-u$."),
                  QStringLiteral("Cut centrality of each vertex u, the number of pairs s < t of "
                                 "other vertices joined by a path in G but not in G-u."),
                  graphical);
}
