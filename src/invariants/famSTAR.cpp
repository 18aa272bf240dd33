#include "invariants/famSTAR.h"

#include "invariants/FamilyItemOutput.h"

famSTAR::famSTAR(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a star.");
    initItem(QStringLiteral("STAR"), doc, doc, graphical, Report::Value, true);
}

void famSTAR::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Star));
}
