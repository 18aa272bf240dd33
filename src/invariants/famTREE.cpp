#include "invariants/famTREE.h"

#include "invariants/FamilyItemOutput.h"

famTREE::famTREE(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a tree.");
    initItem(QStringLiteral("TREE"), doc, doc, graphical, Report::Value, true);
}

void famTREE::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Tree));
}
