#include "operators/operSUMCOL.h"

#include "operators/MatrixReductions.h"

operSUMCOL::operSUMCOL(bool graphical) : ReductionOperator(Along::Columns, &reduceSumCol)
{
    initOperator(
        QStringLiteral("SUMCOL"),
        QStringLiteral("Sum of the terms of each column of a matrix, providing a row vector."),
        QStringLiteral("Sum of the terms of each column of a matrix, providing a row vector."),
        graphical);
}
