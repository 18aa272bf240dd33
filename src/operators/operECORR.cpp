#include "operators/operECORR.h"

#include "operators/GraphAwareKernels.h"

namespace
{
const OperatorMessages &edgeMessages()
{
    static const OperatorMessages m = OperatorMessages().set(OperStatus::ColumnVectorNeeded,
                                                             "COLUMN VECTOR NEEDED WITH n ENTRIES");
    return m;
}
} // namespace

operECORR::operECORR(bool graphical) : OperatorItem(1, 1)
{
    sRows = one();
    sCols = one();
    keepsPresetDimensions = true;
    messages = &edgeMessages();
    initOperator(QStringLiteral("ECORR"), QStringLiteral("Edge correlation coefficient."),
                 QStringLiteral("Edge correlation coefficient."), graphical);
}

void operECORR::recompute()
{
    if (!checkArguments())
        return;
    double correlation = 0.0;
    const OperStatus status = edgeCorrelation(readGraph(), blockOf(arg1), correlation);
    if (status != OperStatus::Ok && status != OperStatus::Degenerate) {
        failWith(status);
        return;
    }
    showTooltipNow(name);
    succeed(name);
    rows = cols = 1;
    M[0][0] = correlation;
    if (status == OperStatus::Degenerate)
        error = true;
}
