#include "operators/operMAXROW.h"

#include "operators/MatrixReductions.h"

operMAXROW::operMAXROW(bool graphical) : ReductionOperator(Along::Rows, &reduceMaxRow)
{
    initOperator(QStringLiteral("MAXROW"),
                 QStringLiteral("Maximum over each row. If a matrix is given as argument, a column "
                                "vector is obtained."),
                 QStringLiteral("Maximum over each row.\n If a matrix is given as argument, a "
                                "column vector is obtained."),
                 graphical);
}
