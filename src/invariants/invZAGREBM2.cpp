#include "invariants/invZAGREBM2.h"

#include "invariants/DegreeIndices.h"

invZAGREBM2::invZAGREBM2(bool graphical) : ValueInvariant(&zagrebM2, Degrees::Kept)
{
    initInvariant(QStringLiteral("ZAGREBM2"),
                  QStringLiteral("Zagreb M2 index, defined as $M2 = \\sum_{(i,j)\\in E}d(i)d(j)$ "
                                 "where $d(i)$ is the degree of the vertex $i$."),
                  QStringLiteral("Zagreb M2 index, sum of the products of degrees over the edges."),
                  graphical);
}
