#include "operators/operADDCOLS.h"

#include "operators/ShapingKernels.h"

operADDCOLS::operADDCOLS(bool graphical) : OperatorItem(2, 2)
{
    messages = &OperatorMessages::shaping();
    initOperator(
        QStringLiteral("ADDCOLS"),
        QStringLiteral(
            "Matrix A with the columns of matrix B appended on its right. A and B must have "
            "the same number of rows and at most 32 columns in all, else a format error."),
        QStringLiteral(
            "Matrix A with the columns of matrix B appended on its right.\n A and B must "
            "have the same number of rows and at most 32 columns in all,\n else a format "
            "error."),
        graphical);
}

void operADDCOLS::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkAppendColumns(a, b)))
        return;
    succeed(name);
    // The joined columns have no symbol of their own unless argument 2 adds none.
    setShape(a.rows, a.cols + b.cols, arg1->getSRows(),
             b.cols == 0 ? arg1->getSCols() : notApplicable());
    appendColumnsInto(a, b, M);
}
