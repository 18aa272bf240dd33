#include "invariants/famPATH.h"

famPATH::famPATH(bool graphical) : FamilyMembership(TreeFamily::Path)
{
    initFamily(QStringLiteral("PATH"),
               QStringLiteral("Boolean function that indicates wether the graph is a path."),
               graphical);
}
