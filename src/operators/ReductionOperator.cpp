#include "operators/ReductionOperator.h"

ReductionOperator::ReductionOperator(Whole w) : OperatorItem(1, 1), whole(w) {}

ReductionOperator::ReductionOperator(Along a, PerLine p) : OperatorItem(1, 1), perLine(p), along(a)
{
}

void ReductionOperator::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    if (whole) {
        setShape(1, 1, one(), one());
        M[0][0] = whole(a);
    } else if (along == Along::Columns) {
        setShape(1, a.cols, one(), arg1->getSCols());
        perLine(a, M);
    } else {
        setShape(a.rows, 1, arg1->getSRows(), one());
        perLine(a, M);
    }
}
