#include "operators/operMMIN.h"

operMMIN::operMMIN(bool graphical) : BroadcastOperator(2, &smallerOf)
{
    initOperator(
        QStringLiteral("MMIN"),
        QStringLiteral(
            "Minimum of two matrices of the same size, term by term: each term is the "
            "smaller of the two corresponding terms. A single value (1 x 1) is combined "
            "with every term of the other argument; any other pair of sizes gives a format "
            "error."),
        QStringLiteral(
            "Minimum of two matrices of the same size, term by term:\n each term is the "
            "smaller of the two corresponding terms.\n A single value (1 x 1) is combined "
            "with every term of the other argument;\n any other pair of sizes gives a "
            "format error."),
        graphical);
}
