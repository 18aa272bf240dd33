#include "invariants/famSPIDER.h"

#include "invariants/FamilyItemOutput.h"

famSPIDER::famSPIDER(bool graphical)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
    const QString doc =
        QStringLiteral("Boolean function that indicates wether the graph is a spider.");
    initItem(QStringLiteral("SPIDER"), doc, doc, graphical, Report::Value, true);
}

void famSPIDER::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    answerFamily(*this, treeFamilyMember(readGraph(), TreeFamily::Spider));
}
