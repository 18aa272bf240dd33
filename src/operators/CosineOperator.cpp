#include "operators/CosineOperator.h"

#include "operators/VectorComparisons.h"

CosineOperator::CosineOperator() : OperatorItem(2, 2)
{
    sRows = one();
    sCols = one();
    keepsPresetDimensions = true;
    messages = &OperatorMessages::pairOfValues();
}

bool CosineOperator::computeCosine(double &cosine, bool labelAtOnce)
{
    if (!checkArguments())
        return false;
    const ValueBlock a = blockOf(arg1);
    const ValueBlock b = blockOf(arg2);
    if (!checkStatus(checkPair(a, b, true)))
        return false;
    succeed(name);
    if (labelAtOnce)
        showTooltipNow(name);
    rows = cols = 1;
    const OperStatus status = cosineBetween(a, b, cosine);
    M[0][0] = cosine;
    return checkStatus(status);
}
