#include "invariants/invINSTABLEMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invINSTABLEMAX::invINSTABLEMAX(bool graphical) : VertexInvariant(&membersOf<&maximumStableSet>)
{
    initInvariant(QStringLiteral("INSTABLEMAX"),
                  QStringLiteral("Vertices in a maximum stable set. To be used for display "
                                 "purpose."),
                  QStringLiteral("Vertices in a maximum stableset. To be used for display "
                                 "purpose."),
                  graphical);
}
