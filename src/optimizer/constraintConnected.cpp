#include "optimizer/constraintConnected.h"

#include "optimizer/ConstraintKernels.h"

constraintConnected::constraintConnected(bool graphical)
{
    const QString doc = QStringLiteral("The graph should be connected.");
    initItem(QStringLiteral("CONNECTED"), doc, doc, graphical, Report::Free, true);
}

QString constraintConnected::formula()
{
    return name + (invertGraphFlag ? QStringLiteral("(GBAR)") : QStringLiteral("(G)"));
}

void constraintConnected::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    rows = cols = 1;
    M[0][0] = componentsMinusOne(readGraph());
}
