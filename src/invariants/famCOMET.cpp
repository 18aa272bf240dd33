#include "invariants/famCOMET.h"

#include "invariants/FamilyItemOutput.h"

famCOMET::famCOMET(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a comet.");
    initItem(QStringLiteral("COMET"), doc, doc, graphical, Report::Value, true);
}

void famCOMET::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Comet));
}
