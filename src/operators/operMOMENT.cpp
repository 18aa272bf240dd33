#include "operators/operMOMENT.h"

#include "operators/GraphAwareKernels.h"

operMOMENT::operMOMENT(bool graphical) : OperatorItem(1, 0)
{
    sRows = vertexCount();
    sCols = one();
    keepsPresetDimensions = true;
    initOperator(
        QStringLiteral("MOMENT"),
        QStringLiteral("Inertia moment for each vertex, $\\sum_{v\\in V} d(u,v) w(v)$. Where "
                       "d(u,v) is the distance between vertex $u$ and $v$ and $w(v)$ is the weight "
                       "of the vertex $v$ given as vector argument (default=degree)."),
        QStringLiteral("Inertia moment for each vertex u.\n The sum of d(u,v) w(v).\n Where d(u,v) "
                       "is the distance between vertex u and v,\n and w(v) is the weight of the "
                       "vertex v given as vector argument (default=degree)."),
        graphical, true);
}

void operMOMENT::recompute()
{
    if (!graph) {
        fail();
        return;
    }
    const BitGraph &g = readGraph();
    const int n = g.n;
    double weights[32];
    const bool weighted = arg1 && arg1->rows == n && arg1->cols == 1;
    if (weighted)
        for (int v = 0; v < n; ++v)
            weights[v] = arg1->M[v][0];
    double moment[32];
    const bool connected = distanceMoments(g, weighted ? weights : nullptr, moment);
    rows = n;
    cols = 1;
    for (int u = 0; u < n; ++u)
        M[u][0] = moment[u];
    if (!connected)
        error = true;
}

QString operMOMENT::formula()
{
    if (arg1)
        return OperatorItem::formula();
    return name + (invertGraphFlag ? QStringLiteral("(GBAR)") : QStringLiteral("(G)"));
}
