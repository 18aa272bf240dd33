#include "operators/operDPALINDROMIC.h"

#include "operators/CountingStatistics.h"

namespace
{
const OperatorMessages &palindromeMessages()
{
    static const OperatorMessages m =
        OperatorMessages()
            .set(OperStatus::NotVector, "The argument should be a vector")
            .set(OperStatus::SingleValue, "Argument 1 should be a vector");
    return m;
}
} // namespace

operDPALINDROMIC::operDPALINDROMIC(bool graphical) : OperatorItem(1, 1)
{
    sRows = one();
    sCols = one();
    keepsPresetDimensions = true;
    missingMessage = QStringLiteral("Missing argument");
    messages = &palindromeMessages();
    initOperator(
        QStringLiteral("DPALINDROMIC"),
        QStringLiteral(
            "Distance to palindromicity of a vector. Sum of the absolute values of the differences "
            "between the first and last element, second and last second, etc."),
        QStringLiteral(
            "Distance to palindromicity of a vector.\n Sum of the absolute values of the "
            "differences between the first and last element, second and last second, etc."),
        graphical);
}

void operDPALINDROMIC::recompute()
{
    if (!checkArguments())
        return;
    double distance = 0.0;
    if (!checkStatus(distanceToPalindrome(blockOf(arg1), distance)))
        return;
    succeed(name);
    rows = cols = 1;
    M[0][0] = distance;
}
