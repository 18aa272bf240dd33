#include "operators/operDIV.h"

operDIV::operDIV(bool graphical) : BroadcastOperator(2, &quotientOf)
{
    initOperator(
        QStringLiteral("/"),
        QStringLiteral(
            "Quotient of two matrices of the same size, term by term: argument 1 divided by "
            "argument 2. A divisor of magnitude at most 1e-12 gives 1e12 for that term. A "
            "single value (1 x 1) is combined with every term of the other argument; any "
            "other pair of sizes gives a format error."),
        QStringLiteral(
            "Quotient of two matrices of the same size, term by term: argument 1 divided by "
            "argument 2.\n A divisor of magnitude at most 1e-12 gives 1e12 for that term.\n "
            "A single value (1 x 1) is combined with every term of the other argument;\n "
            "any other pair of sizes gives a format error."),
        graphical);
}
