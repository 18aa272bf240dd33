#include "operators/operNORMALIZEMAT.h"

#include "operators/GraphAwareKernels.h"

namespace
{
const OperatorMessages &vectorMessages()
{
    static const OperatorMessages m =
        OperatorMessages()
            .set(OperStatus::NotVector, "NORMALIZEMAT needs a vector as argument")
            .set(OperStatus::SingleValue, "NORMALIZEMAT needs a vector as argument")
            .set(OperStatus::WrongLength, "NORMALIZEMAT needs a vector with at least n entries")
            .set(OperStatus::NonPositiveProduct,
                 "NORMALIZEMAT needs positive products on the edges");
    return m;
}
} // namespace

operNORMALIZEMAT::operNORMALIZEMAT(bool graphical) : OperatorItem(1, 1)
{
    messages = &vectorMessages();
    initOperator(
        QStringLiteral("NORMALIZEMAT"),
        QStringLiteral("Construction of a matrix from a vector $v$ by computing "
                       "$\\frac{1}{\\sqrt{v_i v_j}}\\quad \\forall (i,j)\\in E$, $=0$ otherwise."),
        QStringLiteral("Construction of a matrix from a vector v by computing 1/SQRT(vi * vj) if "
                       "(vi,vj) is an edge, 0 otherwise."),
        graphical);
}

void operNORMALIZEMAT::recompute()
{
    if (!graph) {
        failWith(QStringLiteral("NORMALIZEMAT needs a graph"));
        return;
    }
    if (!arg1) {
        failWith(missingMessage);
        showTooltipNow(missingMessage);
        return;
    }
    const BitGraph &g = readGraph();
    if (!checkStatus(normalizeByEdges(g, blockOf(arg1), M)))
        return;
    succeed(name);
    setShape(g.n, g.n, vertexCount(), vertexCount());
}
