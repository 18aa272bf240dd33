#include "invariants/invINCLIQMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invINCLIQMAX::invINCLIQMAX(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Vertices in a maximum cliq. To be used for display purpose.");
    initItem(QStringLiteral("INCLIQMAX"), doc, doc, graphical, Report::Value, true);
}

void invINCLIQMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    uint32_t members = 0;
    maximumClique(g, &members);
    putMembership(*this, members, g.n);
}
