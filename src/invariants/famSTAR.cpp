#include "invariants/famSTAR.h"

famSTAR::famSTAR(bool graphical) : FamilyMembership(TreeFamily::Star)
{
    initFamily(QStringLiteral("STAR"),
               QStringLiteral("Boolean function that indicates wether the graph is a star."),
               graphical);
}
