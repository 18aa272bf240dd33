#include "invariants/invZAGREBM1.h"

#include "invariants/DegreeIndices.h"

invZAGREBM1::invZAGREBM1(bool graphical) : ValueInvariant(&zagrebM1, Degrees::Kept)
{
    initInvariant(QStringLiteral("ZAGREBM1"),
                  QStringLiteral("Zagreb M1 index, defined as $M1 = \\sum_{v\\in V}d(v)^2$ where "
                                 "$d(v)$ is the degree of the vertex $v$."),
                  QStringLiteral("Zagreb M1 index, sum of the squared degrees of the vertices of "
                                 "G."),
                  graphical);
}
