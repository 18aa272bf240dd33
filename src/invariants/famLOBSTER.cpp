#include "invariants/famLOBSTER.h"

#include "invariants/FamilyItemOutput.h"

famLOBSTER::famLOBSTER(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc = QStringLiteral(
        "Boolean function that indicates wether the graph is a lobster. A lobster is a tree that "
        "is made in such a way that if you remove all its leaves, then you have a caterpillar. The "
        "distance between any vertex and the root path is at most 2.");
    initItem(QStringLiteral("LOBSTER"), doc, doc, graphical, Report::Value, true);
}

void famLOBSTER::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Lobster));
}
