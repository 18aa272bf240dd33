#include "invariants/invNUMERO.h"

#include "graph/Graph.h"
#include "invariants/ItemValues.h"

invNUMERO::invNUMERO(bool graphical)
{
    sRows = QStringLiteral("n");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral("Vector of size n with numbers from 1 to n.");
    initItem(QStringLiteral("NUMERO"), doc, doc, graphical, Report::Node, true);
}

void invNUMERO::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    putSequence(*this, graph->getNbNodes(), 1.0, 1.0);
}
