#include "Colouring.h"

#include "CliqueSearch.h"

void thresholdOrder(const BitGraph &g, int order[32])
{
    const int n = g.n;
    uint32_t adj[32];
    int deg[32];
    for (int v = 0; v < n; ++v) {
        adj[v] = g.row[v];
        deg[v] = g.degree(v);
    }
    int t = 1;
    int placed = 0;
    while (placed < n) {
        int placedNow = 0;
        for (int v = 0; v < n; ++v) {
            if (deg[v] > t)
                continue;
            order[n - 1 - placed] = v;
            ++placed;
            ++placedNow;
            for (uint32_t nb = adj[v]; nb; nb &= nb - 1) {
                const int j = __builtin_ctz(nb);
                adj[j] &= ~(1u << v);
                --deg[j];
            }
            adj[v] = 0;
            deg[v] = n;
        }
        if (placedNow == 0)
            ++t;
    }
}

namespace
{

// Smallest colour above 'from' that no neighbour (bits nb) holds.
int freeColourAbove(uint32_t nb, const uint32_t classOf[34], int from)
{
    int c = from + 1;
    while (nb & classOf[c])
        ++c;
    return c;
}

// Position of the k-th set bit (k >= 1), or -1.
int selectBit(uint32_t bits, int k)
{
    for (int i = 1; i < k && bits; ++i)
        bits &= bits - 1;
    return bits ? __builtin_ctz(bits) : -1;
}

} // namespace

int chromaticColouring(const BitGraph &g, int colour[32])
{
    const int n = g.n;
    if (n == 0)
        return 0;
    int order[32];
    thresholdOrder(g, order);

    // A clique is a lower bound: once the colouring reaches it the search could only confirm it.
    const int lowerBound = maximumClique(g, nullptr);

    int colourAt[32];          // colour of the vertex at each position of the order
    uint32_t classOf[34] = {}; // vertices holding each colour
    uint32_t marked = 0;       // positions whose colour exceeded every earlier one when given
    uint32_t upTo[32];         // vertices at positions 0..p
    uint32_t seen = 0;
    for (int i = 0; i < n; ++i) {
        seen |= 1u << order[i];
        upTo[i] = seen;
    }

    int q = 0;
    for (int i = 0; i < n; ++i) {
        const int v = order[i];
        const int c = freeColourAbove(g.row[v], classOf, 0);
        colourAt[i] = c;
        classOf[c] |= 1u << v;
        if (c > q) {
            marked |= 1u << i;
            q = c;
        }
    }
    const int greedyColours = q;
    for (int i = 0; i < n; ++i)
        colour[order[i]] = colourAt[i];

    while (q > lowerBound) {
        const int r = selectBit(marked, q);
        int p = -1;
        for (int pos = r - 1; pos >= 1; --pos) {
            if (!((marked >> pos) & 1u) && colourAt[pos] < q) {
                p = pos;
                break;
            }
        }
        if (p < 0)
            break;
        for (int c = 1; c <= greedyColours; ++c)
            classOf[c] &= upTo[p];
        marked &= BitGraph::maskOf(p + 1);
        int cmax = __builtin_popcount(marked & BitGraph::maskOf(p));

        const int v = order[p];
        classOf[colourAt[p]] &= ~(1u << v);
        int c = freeColourAbove(g.row[v], classOf, colourAt[p]);
        colourAt[p] = c;
        classOf[c] |= 1u << v;
        if (c > cmax) {
            marked |= 1u << p;
            cmax = c;
        }
        if (c >= q)
            continue;
        for (int i = p + 1; i < n; ++i) {
            const int u = order[i];
            c = freeColourAbove(g.row[u], classOf, 0);
            colourAt[i] = c;
            classOf[c] |= 1u << u;
            if (c > cmax) {
                marked |= 1u << i;
                cmax = c;
            }
            if (i == n - 1) {
                if (cmax < q) {
                    q = cmax;
                    for (int k = 0; k < n; ++k)
                        colour[order[k]] = colourAt[k];
                }
                break;
            }
            if (c >= q)
                break;
        }
    }
    return q;
}
