#include "invariants/invINPCC.h"

#include "invariants/HighlightSearch.h"

invINPCC::invINPCC(bool graphical)
    : EdgeMarkInvariant([](const BitGraph &g, int root,
                           BitGraph &marks) { return breadthFirstTree(g, root, &marks); },
                        Undefined::KeepsMarks, Report::Matrix)
{
    initInvariant(QStringLiteral("INPCC"),
                  QStringLiteral("Is the edge in the shortest path tree from the last selected "
                                 "node (only one such tree is considered). Function for hilight "
                                 "purpose only."),
                  graphical);
}
