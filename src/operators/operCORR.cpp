#include "operators/operCORR.h"

operCORR::operCORR(bool graphical) : CosineOperator()
{
    initOperator(QStringLiteral("CORR"),
                 QStringLiteral("Correlation coefficient between 2 vectors."),
                 QStringLiteral("Correlation coefficient between 2 vectors."), graphical);
}

void operCORR::recompute()
{
    double cosine = 0.0;
    computeCosine(cosine, true);
}
