#include "invariants/famCOMET.h"

famCOMET::famCOMET(bool graphical) : FamilyMembership(TreeFamily::Comet)
{
    initFamily(QStringLiteral("COMET"),
               QStringLiteral("Boolean function that indicates wether the graph is a comet."),
               graphical);
}
