#include "operators/operSUMROW.h"

#include "operators/MatrixReductions.h"

operSUMROW::operSUMROW(bool graphical) : ReductionOperator(Along::Rows, &reduceSumRow)
{
    initOperator(
        QStringLiteral("SUMROW"),
        QStringLiteral("Sum of the terms of each row of a matrix, providing a column vector."),
        QStringLiteral("Sum of the terms of each row of a matrix,\n providing a column vector."),
        graphical);
}
