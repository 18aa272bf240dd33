#include "operators/operMAXCOL.h"

#include "operators/MatrixReductions.h"

operMAXCOL::operMAXCOL(bool graphical) : OperatorItem(1, 1)
{
    initOperator(
        QStringLiteral("MAXCOL"),
        QStringLiteral(
            "Maximum over each column, if the argument is a matrix, a row vector is obtained."),
        QStringLiteral(
            "Maximum over each column.\n If the argument is a matrix, a row vector is obtained."),
        graphical);
}

void operMAXCOL::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(1, a.cols, one(), arg1->getSCols());
    reduceMaxCol(a, M);
}
