#include "invariants/invSTABLEMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invSTABLEMAX::invSTABLEMAX(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Stability number, the cardinality of the largest set of "
                                       "vertices that are pairwise non adjacent.");
    initItem(QStringLiteral("STABLEMAX"), doc, doc, graphical, Report::Value, true);
}

void invSTABLEMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, maximumStableSet(g, nullptr));
}
