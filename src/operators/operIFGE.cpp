#include "operators/operIFGE.h"

operIFGE::operIFGE(bool graphical) : BroadcastOperator(4, &ifAtLeastOf)
{
    initOperator(
        QStringLiteral("IFGE"),
        QStringLiteral(
            "Conditional choice among four arguments A, B, C, D, term by term: the term of "
            "C where A >= B - 1e-6, else the term of D. Arguments of the same size are read "
            "term by term and a single value (1 x 1) stands for every term; the result has "
            "the size of the first argument that is not a single value. Any other size "
            "gives a format error."),
        QStringLiteral(
            "Conditional choice among four arguments A, B, C, D, term by term:\n the term "
            "of C where A >= B - 1e-6, else the term of D.\n Arguments of the same size are "
            "read term by term and a single value (1 x 1) stands for every term;\n the "
            "result has the size of the first argument that is not a single value.\n Any "
            "other size gives a format error."),
        graphical);
}
