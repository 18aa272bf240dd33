#include "invariants/invPLATT.h"

#include "invariants/DegreeIndices.h"

invPLATT::invPLATT(bool graphical) : ValueInvariant(&plattIndex, Degrees::Kept)
{
    initInvariant(QStringLiteral("PLATT"),
                  QStringLiteral("Platt index, defined as $P = \\sum_{(u,v)\\in E} d(u) + "
                                 "d(v)-2$ where $d(v)$ is the degree of the vertex $v$."),
                  graphical);
}
