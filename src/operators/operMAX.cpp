#include "operators/operMAX.h"

#include "operators/MatrixReductions.h"

operMAX::operMAX(bool graphical) : ReductionOperator(&reduceMax)
{
    initOperator(
        QStringLiteral("MAX"),
        QStringLiteral("Maximum value over a vector or a matrix. Not to be confused with MMAX."),
        QStringLiteral("Maximum value over a vector or a matrix.\n Not to be confused with MMAX."),
        graphical);
}
