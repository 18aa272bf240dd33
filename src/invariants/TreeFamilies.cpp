#include "TreeFamilies.h"

#include "Distances.h"

namespace
{

// Exactly one leg of the spider has two edges or more, and its centre has degree 3 or more.
bool cometRule(const BitGraph &g, int leaves, int maxDegree)
{
    if (leaves != maxDegree)
        return false;
    int hanging = 0;
    for (int i = 0; i < g.n; ++i)
        for (uint32_t js = g.row[i] & ~BitGraph::maskOf(i + 1); js; js &= js - 1) {
            const int di = g.degree(i), dj = g.degree(__builtin_ctz(js));
            if ((di == 2 && dj == 1) || (di == 1 && dj == 2))
                ++hanging;
        }
    return hanging == 1;
}

// Every vertex lies within distance 2 of the path joining the first diametral pair.
bool lobsterRule(const BitGraph &g)
{
    DistanceMatrix dm;
    allDistances(g, dm);
    const auto &dist = dm.d;
    int diameter = 0, a = 0, b = 0;
    for (int i = 1; i < g.n; ++i)
        for (int j = 0; j < i; ++j)
            if (dist[i][j] > diameter) {
                diameter = dist[i][j];
                a = i;
                b = j;
            }
    uint32_t near = 0;
    for (int v = 0; v < g.n; ++v)
        if (dist[v][a] + dist[v][b] == diameter)
            near |= 1u << v;
    for (int step = 0; step < 2; ++step) {
        uint32_t grown = near;
        for (uint32_t f = near; f; f &= f - 1)
            grown |= g.row[__builtin_ctz(f)];
        near = grown;
    }
    return near == g.vertices();
}

int treeDiameter(const BitGraph &g)
{
    DistanceMatrix dm;
    allDistances(g, dm);
    const auto &dist = dm.d;
    int diameter = 0;
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < i; ++j)
            if (dist[i][j] > diameter)
                diameter = dist[i][j];
    return diameter;
}

} // namespace

FamilyAnswer treeFamilyMember(const BitGraph &g, TreeFamily family)
{
    FamilyAnswer answer;
    if (g.n < 2)
        return answer;
    answer.valued = true;
    if (!isConnected(g))
        return answer;
    answer.error = false;
    if (g.edgeCount() > g.n - 1)
        return answer;

    int leaves = 0, maxDegree = 0;
    for (int v = 0; v < g.n; ++v) {
        const int d = g.degree(v);
        leaves += d == 1;
        if (d > maxDegree)
            maxDegree = d;
    }
    switch (family) {
    case TreeFamily::Tree:
        answer.member = true;
        break;
    case TreeFamily::Path:
        answer.member = leaves == 2;
        break;
    case TreeFamily::Star:
        answer.member = maxDegree == g.n - 1;
        break;
    case TreeFamily::Spider:
        answer.member = leaves == maxDegree;
        break;
    case TreeFamily::Caterpillar:
        answer.member = g.n + 1 - leaves == treeDiameter(g);
        break;
    case TreeFamily::Comet:
        answer.member = cometRule(g, leaves, maxDegree);
        break;
    case TreeFamily::Lobster:
        answer.member = lobsterRule(g);
        break;
    }
    return answer;
}
