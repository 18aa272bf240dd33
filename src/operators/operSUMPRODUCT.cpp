#include "operators/operSUMPRODUCT.h"

#include "operators/VectorComparisons.h"

operSUMPRODUCT::operSUMPRODUCT(bool graphical) : EntrywiseMeasure(&sumOfProducts)
{
    initOperator(QStringLiteral("SUMPRODUCT"),
                 QStringLiteral("Sum of the products of matching terms of 2 vectors or matrices."),
                 QStringLiteral("Sum of the products of matching terms of 2 vectors or matrices."),
                 graphical);
}
