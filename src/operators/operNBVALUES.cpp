#include "operators/operNBVALUES.h"

#include "operators/CountingStatistics.h"

operNBVALUES::operNBVALUES(bool graphical) : ReductionOperator(&countDistinct)
{
    initOperator(QStringLiteral("NBVALUES"),
                 QStringLiteral("Number of different values in a vector/matrix."),
                 QStringLiteral("Number of different values in a vector/matrix."), graphical);
}
