#include "operators/SymmetricMatrixOperator.h"

SymmetricMatrixOperator::SymmetricMatrixOperator(const char *word, const char *symmetric)
    : OperatorItem(1, 1), ownMessages(OperatorMessages::squareSymmetric(word, symmetric))
{
    messages = &ownMessages;
}

int SymmetricMatrixOperator::checkedOrder(OperStatus (*check)(const ValueBlock &),
                                          OperStatus shownAtOnce)
{
    if (!checkArguments())
        return 0;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(check(a), shownAtOnce))
        return 0;
    return a.rows;
}
