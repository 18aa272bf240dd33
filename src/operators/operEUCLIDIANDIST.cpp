#include "operators/operEUCLIDIANDIST.h"

#include "operators/VectorComparisons.h"

operEUCLIDIANDIST::operEUCLIDIANDIST(bool graphical) : EntrywiseMeasure(&euclideanDistance)
{
    initOperator(QStringLiteral("EUCLIDIANDIST"),
                 QStringLiteral("Euclidian distance between 2 vectors or matrices"),
                 QStringLiteral("Euclidian distance between 2 vectors or matrices"), graphical);
}
