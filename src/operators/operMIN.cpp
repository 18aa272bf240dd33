#include "operators/operMIN.h"

#include "operators/MatrixReductions.h"

operMIN::operMIN(bool graphical) : ReductionOperator(&reduceMin)
{
    initOperator(
        QStringLiteral("MIN"),
        QStringLiteral("Minimum value of a vector or matrix. Not to be confused with MMIN."),
        QStringLiteral("Minimum value of a vector or matrix.\n Not to be confused with MMIN."),
        graphical);
}
