#include "operators/operVAR.h"

#include "operators/CountingStatistics.h"

operVAR::operVAR(bool graphical) : ReductionOperator(&populationVariance)
{
    initOperator(QStringLiteral("VAR"), QStringLiteral("Variance of a vector or matrix."),
                 QStringLiteral("Variance of a vector or matrix."), graphical);
}
