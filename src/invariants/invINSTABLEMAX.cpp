#include "invariants/invINSTABLEMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invINSTABLEMAX::invINSTABLEMAX(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    initItem(QStringLiteral("INSTABLEMAX"),
             QStringLiteral("Vertices in a maximum stable set. To be used for display purpose."),
             QStringLiteral("Vertices in a maximum stableset. To be used for display purpose."),
             graphical, Report::Value, true);
}

void invINSTABLEMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    uint32_t members = 0;
    maximumStableSet(g, &members);
    putMembership(*this, members, g.n);
}
