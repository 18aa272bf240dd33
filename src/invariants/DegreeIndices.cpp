#include "DegreeIndices.h"

#include <cmath>

namespace
{

template <typename Term> double edgeSum(const BitGraph &g, Term term)
{
    double deg[32];
    for (int v = 0; v < g.n; ++v)
        deg[v] = g.degree(v);
    double s = 0.0;
    for (int i = 0; i < g.n; ++i) {
        uint32_t later = g.row[i] & ~BitGraph::maskOf(i + 1);
        while (later) {
            const int j = __builtin_ctz(later);
            later &= later - 1;
            s = s + term(deg[i], deg[j]);
        }
    }
    return s;
}

} // namespace

double randicIndex(const BitGraph &g)
{
    return edgeSum(g, [](double a, double b) { return 1.0 / std::sqrt(a * b); });
}

double zagrebM1(const BitGraph &g)
{
    double s = 0.0;
    for (int v = 0; v < g.n; ++v) {
        const double d = g.degree(v);
        s = s + d * d;
    }
    return s;
}

double zagrebM2(const BitGraph &g)
{
    return edgeSum(g, [](double a, double b) { return a * b; });
}

double plattIndex(const BitGraph &g)
{
    return edgeSum(g, [](double a, double b) { return (a + b) - 2.0; });
}
