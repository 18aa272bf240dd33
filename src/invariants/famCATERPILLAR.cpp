#include "invariants/famCATERPILLAR.h"

famCATERPILLAR::famCATERPILLAR(bool graphical) : FamilyMembership(TreeFamily::Caterpillar)
{
    initFamily(QStringLiteral("CATERPILLAR"),
               QStringLiteral("Boolean function that indicates wether the graph is a caterpillar."),
               graphical);
}
