#include "invariants/FamilyMembership.h"

FamilyMembership::FamilyMembership(TreeFamily f) : family(f)
{
    sRows = QStringLiteral("1");
    sCols = QStringLiteral("1");
}

void FamilyMembership::initFamily(const QString &keyword, const QString &doc, bool graphical)
{
    initItem(keyword, doc, doc, graphical, Report::Value, true);
}

void FamilyMembership::recompute()
{
    if (missingGraph())
        return;
    const FamilyAnswer answer = treeFamilyMember(readGraph(), family);
    if (!answer.valued) {
        fail();
        return;
    }
    error = answer.error;
    rows = cols = 1;
    M[0][0] = answer.member ? 1.0 : 0.0;
}
