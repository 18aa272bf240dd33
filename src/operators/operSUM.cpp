#include "operators/operSUM.h"

#include "operators/MatrixReductions.h"

operSUM::operSUM(bool graphical) : ReductionOperator(&reduceSum)
{
    initOperator(QStringLiteral("SUM"),
                 QStringLiteral("Sum of the values in a vector or matrix. Not to be confused with "
                                "+ which adds corresponding elements of different matrices."),
                 QStringLiteral("Sum of the values in a vector or matrix.\n Not to be confused "
                                "with + which adds corresponding elements of different matrices."),
                 graphical);
}
