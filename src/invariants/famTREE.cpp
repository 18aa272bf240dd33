#include "invariants/famTREE.h"

famTREE::famTREE(bool graphical) : FamilyMembership(TreeFamily::Tree)
{
    initFamily(QStringLiteral("TREE"),
               QStringLiteral("Boolean function that indicates wether the graph is a tree."),
               graphical);
}
