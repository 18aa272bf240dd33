#include "invariants/invRANDIC.h"

#include "invariants/DegreeIndices.h"

invRANDIC::invRANDIC(bool graphical) : ValueInvariant(&randicIndex, Degrees::Kept)
{
    initInvariant(QStringLiteral("RANDIC"),
                  QStringLiteral("Randi\\'c index, defined as $\\chi = \\sum_{(i,j)\\in "
                                 "E}\\frac{1}{\\sqrt{\\delta_i \\delta_j}}$ where $\\delta_i$ is "
                                 "the degree of the vertex $i$."),
                  QStringLiteral("Randic index = Sum{(i,j) in E} [1/sqrt(d(i) * d(j))] where "
                                 "d(i) is the degree of the vertex i."),
                  graphical);
}
