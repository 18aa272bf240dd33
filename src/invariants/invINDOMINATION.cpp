#include "invariants/invINDOMINATION.h"

#include "invariants/DominationSearch.h"
#include "invariants/ItemValues.h"

invINDOMINATION::invINDOMINATION(bool graphical)
    : VertexInvariant(&membersOf<&minimumDominatingSet>)
{
    initInvariant(QStringLiteral("INDOMINATION"),
                  QStringLiteral("Vertices in a minimum domination set. To be used for display "
                                 "purpose."),
                  graphical);
}
