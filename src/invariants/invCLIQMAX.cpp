#include "invariants/invCLIQMAX.h"

#include "invariants/CliqueSearch.h"

invCLIQMAX::invCLIQMAX(bool graphical)
    : ValueInvariant([](const BitGraph &g) -> double { return maximumClique(g, nullptr); })
{
    initInvariant(QStringLiteral("CLIQMAX"),
                  QStringLiteral("Cliq number, the cardinality of the largest set of vertices "
                                 "that are pairwise adjacent."),
                  graphical);
}
