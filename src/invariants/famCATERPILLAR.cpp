#include "invariants/famCATERPILLAR.h"

#include "invariants/FamilyItemOutput.h"

famCATERPILLAR::famCATERPILLAR(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a caterpillar.");
    initItem(QStringLiteral("CATERPILLAR"), doc, doc, graphical, Report::Value, true);
}

void famCATERPILLAR::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Caterpillar));
}
