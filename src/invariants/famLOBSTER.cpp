#include "invariants/famLOBSTER.h"

famLOBSTER::famLOBSTER(bool graphical) : FamilyMembership(TreeFamily::Lobster)
{
    initFamily(QStringLiteral("LOBSTER"),
               QStringLiteral("Boolean function that indicates wether the graph is a lobster. A "
                              "lobster is a tree that is made in such a way that if you remove "
                              "all its leaves, then you have a caterpillar. The distance between "
                              "any vertex and the root path is at most 2."),
               graphical);
}
