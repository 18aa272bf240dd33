#include "invariants/invINCLIQMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invINCLIQMAX::invINCLIQMAX(bool graphical) : VertexInvariant(&membersOf<&maximumClique>)
{
    initInvariant(QStringLiteral("INCLIQMAX"),
                  QStringLiteral("Vertices in a maximum cliq. To be used for display purpose."),
                  graphical);
}
