#include "operators/operMAXROW.h"

#include "operators/MatrixReductions.h"

operMAXROW::operMAXROW(bool graphical) : OperatorItem(1, 1)
{
    initOperator(QStringLiteral("MAXROW"),
                 QStringLiteral("Maximum over each row. If a matrix is given as argument, a column "
                                "vector is obtained."),
                 QStringLiteral("Maximum over each row.\n If a matrix is given as argument, a "
                                "column vector is obtained."),
                 graphical);
}

void operMAXROW::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(a.rows, 1, arg1->getSRows(), one());
    reduceMaxRow(a, M);
}
