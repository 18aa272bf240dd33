#include "invariants/famPATH.h"

#include "invariants/FamilyItemOutput.h"

famPATH::famPATH(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a path.");
    initItem(QStringLiteral("PATH"), doc, doc, graphical, Report::Value, true);
}

void famPATH::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Path));
}
