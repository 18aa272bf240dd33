#include "invariants/invCLIQMAX.h"

#include "invariants/CliqueSearch.h"
#include "invariants/ItemValues.h"

invCLIQMAX::invCLIQMAX(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral(
        "Cliq number, the cardinality of the largest set of vertices that are pairwise adjacent.");
    initItem(QStringLiteral("CLIQMAX"), doc, doc, graphical, Report::Value, true);
}

void invCLIQMAX::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    putValue(*this, maximumClique(g, nullptr));
}
