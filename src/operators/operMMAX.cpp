#include "operators/operMMAX.h"

operMMAX::operMMAX(bool graphical) : BroadcastOperator(2, &largerOf)
{
    initOperator(
        QStringLiteral("MMAX"),
        QStringLiteral(
            "Maximum of two matrices of the same size, term by term: each term is the "
            "larger of the two corresponding terms. A single value (1 x 1) is combined with "
            "every term of the other argument; any other pair of sizes gives a format "
            "error."),
        QStringLiteral(
            "Maximum of two matrices of the same size, term by term:\n each term is the "
            "larger of the two corresponding terms.\n A single value (1 x 1) is combined "
            "with every term of the other argument;\n any other pair of sizes gives a "
            "format error."),
        graphical);
}
