#include "operators/operANGLE.h"

#include <cmath>

operANGLE::operANGLE(bool graphical) : CosineOperator()
{
    initOperator(QStringLiteral("ANGLE"), QStringLiteral("Angle (Rad) between 2 vectors."),
                 QStringLiteral("Angle (Rad) between 2 vectors."), graphical);
}

void operANGLE::recompute()
{
    double cosine = 0.0;
    if (computeCosine(cosine))
        M[0][0] = std::acos(cosine);
}
