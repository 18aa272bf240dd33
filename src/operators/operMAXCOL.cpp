#include "operators/operMAXCOL.h"

#include "operators/MatrixReductions.h"

operMAXCOL::operMAXCOL(bool graphical) : ReductionOperator(Along::Columns, &reduceMaxCol)
{
    initOperator(
        QStringLiteral("MAXCOL"),
        QStringLiteral(
            "Maximum over each column, if the argument is a matrix, a row vector is obtained."),
        QStringLiteral(
            "Maximum over each column.\n If the argument is a matrix, a row vector is obtained."),
        graphical);
}
