#include "invariants/invHARMONIC.h"

#include "invariants/DistanceIndices.h"
#include "invariants/ItemValues.h"

invHARMONIC::invHARMONIC(bool graphical)
    : VertexInvariant(&columnFromDistances<&harmonicCentrality>)
{
    initInvariant(QStringLiteral("HARMONIC"),
                  QStringLiteral("Harmonic centrality of each vertex, $H(u) = \\sum_{v \\neq u} "
                                 "1/d(u,v)$; vertices in other components add 0."),
                  QStringLiteral("Harmonic centrality of each vertex, H(u) = sum over v != u of "
                                 "1/d(u,v); vertices in other components add 0."),
                  graphical);
}
