#include "invariants/famSPIDER.h"

famSPIDER::famSPIDER(bool graphical) : FamilyMembership(TreeFamily::Spider)
{
    initFamily(QStringLiteral("SPIDER"),
               QStringLiteral("Boolean function that indicates wether the graph is a spider."),
               graphical);
}
