#include "IsomorphismSearch.h"

#include "common/writeDiagnostic.h"
#include "numerics/Eig.h"

#include <QTime>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <vector>

namespace {
const double Tolerance = 1e-6;

// Joint colour refinement of both graphs (vertices of the second shifted by n): colours start
// as degrees and are split by the multiset of neighbour colours until stable. Isomorphisms keep
// colours, so a vertex can only be matched with a vertex of its own colour.
std::vector<int> refinedColours(const BitGraph &g1, const BitGraph &g2)
{
    const int n = g1.n;
    std::vector<int> colour(2 * n);
    for (int v = 0; v < n; ++v) {
        colour[v] = g1.degree(v);
        colour[n + v] = g2.degree(v);
    }
    int classes = 0;
    for (int round = 0; round < 2 * n; ++round) {
        std::map<std::vector<int>, int> ids;
        std::vector<std::vector<int> > keys(2 * n);
        for (int v = 0; v < 2 * n; ++v) {
            const BitGraph &g = v < n ? g1 : g2;
            const int offset = v < n ? 0 : n;
            std::vector<int> &key = keys[v];
            for (int w = 0; w < n; ++w)
                if (g.edge(v - offset, w))
                    key.push_back(colour[offset + w]);
            std::sort(key.begin(), key.end());
            key.insert(key.begin(), colour[v]);
            ids.emplace(key, 0);
        }
        int next = 0;
        for (auto &entry : ids)
            entry.second = next++;
        for (int v = 0; v < 2 * n; ++v)
            colour[v] = ids[keys[v]];
        if (next == classes)
            break;
        classes = next;
    }
    return colour;
}
} // namespace

IsomorphismSearch::IsomorphismSearch(int cap, bool seedFromClock)
    : coupled(64, QVector<double>(64, 0.0)), cap(cap), seedFromClock(seedFromClock)
{
}

void IsomorphismSearch::setCoupling(int x, double value)
{
    coupled[x][n + perm[x]] = value;
    coupled[n + perm[x]][x] = value;
}

double IsomorphismSearch::eval()
{
    ++evalCount;
    const QVector<double> e = Eig(coupled, order).eigvals();
    double sum = 0.0;
    for (int k = 0; k < order; ++k)
        sum += std::fabs(e[k] - target[k]);
    return sum;
}

void IsomorphismSearch::bestbackup()
{
    for (int i = 0; i < order; ++i)
        bestPerm[i] = perm[i];
}

void IsomorphismSearch::bestrestore()
{
    for (int i = 0; i < order; ++i)
        perm[i] = bestPerm[i];
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            coupled[i][n + j] = 0.0;
            coupled[n + i][j] = 0.0;
        }
    for (int i = 0; i < n; ++i)
        setCoupling(i, 1.0);
}

void IsomorphismSearch::rotate(const int *v, int k)
{
    for (int t = 0; t < k; ++t)
        setCoupling(v[t], 0.0);
    const int head = perm[v[0]];
    for (int t = 0; t + 1 < k; ++t)
        perm[v[t]] = perm[v[t + 1]];
    perm[v[k - 1]] = head;
    for (int t = 0; t < k; ++t)
        setCoupling(v[t], 1.0);
}

void IsomorphismSearch::swap(int a, int b)
{
    const int v[2] = {a, b};
    rotate(v, 2);
}

void IsomorphismSearch::rotate3(int a, int b, int c)
{
    const int v[3] = {a, b, c};
    rotate(v, 3);
}

void IsomorphismSearch::rotate4(int a, int b, int c, int d)
{
    const int v[4] = {a, b, c, d};
    rotate(v, 4);
}

void IsomorphismSearch::perturb(int k)
{
    // The second draw is modulo n-1: it needs two distinct vertices.
    if (n < 2)
        return;
    for (int s = 0; s < k; ++s) {
        const int a = qrand() % n;
        int b = qrand() % (n - 1);
        if (b == a)
            b = n - 1;
        swap(a, b);
    }
}

bool IsomorphismSearch::isIsomorphism() const
{
    for (int i = 0; i < n; ++i) {
        uint32_t image = 0;
        for (int j = 0; j < n; ++j)
            if (first.edge(i, j))
                image |= 1u << perm[j];
        if (image != second.row[perm[i]])
            return false;
    }
    return true;
}

bool IsomorphismSearch::accept(double v, const char *trace, bool &improved)
{
    if (!(v < cur - Tolerance))
        return false;
    cur = v;
    improved = true;
    if (v < bestValue - Tolerance) {
        bestValue = v;
        bestbackup();
        std::ostringstream line;
        line << trace << v;
        writeDiagnostic(QByteArray::fromStdString(line.str()));
        strength = 0;
        cycle = 0;
        // A spectral match alone can be a coincidence, and rounding can keep a true match just
        // above the tolerance: the cells decide.
        if (isIsomorphism())
            found = true;
    }
    return true;
}

bool IsomorphismSearch::tryRotation(const int *v, int k, const char *trace, bool &improved)
{
    rotate(v, k);
    if (accept(eval(), trace, improved))
        return true;
    int back[4];
    for (int t = 0; t < k; ++t)
        back[t] = v[k - 1 - t];
    rotate(back, k);
    return false;
}

bool IsomorphismSearch::scanSwaps()
{
    bool improved = true;
    while (improved && !capReached()) {
        improved = false;
        for (int i = 0; i < n && !capReached(); ++i)
            for (int j = i + 1; j < n && !capReached(); ++j) {
                const int v[2] = {i, j};
                if (tryRotation(v, 2, "d ", improved) && found)
                    return true;
            }
    }
    return false;
}

bool IsomorphismSearch::scanRotations(int k, const char *trace)
{
    bool improved = true;
    while (improved && !capReached()) {
        improved = false;
        // Every ordered k-tuple of distinct vertices, the first position outermost.
        int v[4] = {0, 0, 0, 0};
        for (bool more = true; more;) {
            bool distinct = true;
            for (int s = 0; s < k; ++s)
                for (int t = s + 1; t < k; ++t)
                    distinct = distinct && v[s] != v[t];
            if (distinct) {
                if (capReached())
                    return false;
                if (tryRotation(v, k, trace, improved) && found)
                    return true;
            }
            more = false;
            for (int t = k - 1; t >= 0 && !more; --t) {
                more = ++v[t] < n;
                if (!more)
                    v[t] = 0;
            }
        }
    }
    return false;
}

bool IsomorphismSearch::scanDoubleSwaps()
{
    bool improved = true;
    while (improved && !capReached()) {
        improved = false;
        for (int i = 0; i < n && !capReached(); ++i)
            for (int j = i + 1; j < n && !capReached(); ++j) {
                swap(i, j);
                bool kept = false;
                for (int a = 0; a < n && !capReached(); ++a)
                    for (int b = 0; b < n && !capReached(); ++b) {
                        if (a == b || a == i || a == j || b == i || b == j)
                            continue;
                        const int v[2] = {a, b};
                        if (tryRotation(v, 2, "w ", improved)) {
                            kept = true;
                            if (found)
                                return true;
                        }
                    }
                if (!kept)
                    swap(i, j);
            }
    }
    return false;
}

int IsomorphismSearch::finish()
{
    bestrestore();
    for (int i = 0; i < n; ++i) {
        int left = 0;
        int right = 0;
        for (int j = 0; j < n; ++j) {
            left += coupled[n + i][j] != 0.0;
            right += coupled[i][n + j] != 0.0;
        }
        if (left != 1)
            writeDiagnostic("ERR");
        if (right != 1)
            writeDiagnostic("ERR");
    }
    writeDiagnostic(QByteArray::number(cur, 'g', 6) + " loc");
    return isIsomorphism() ? 1 : 0;
}

bool IsomorphismSearch::coupleByColour()
{
    const std::vector<int> colour = refinedColours(first, second);
    std::vector<bool> taken(n, false);
    for (int i = 0; i < n; ++i) {
        int j = 0;
        while (j < n && (taken[j] || colour[n + j] != colour[i]))
            ++j;
        if (j == n)
            return false;
        taken[j] = true;
        perm[i] = j;
    }
    return true;
}

int IsomorphismSearch::run(const BitGraph &g1, const BitGraph &g2)
{
    evalCount = 0;
    found = false;
    if (g1.n != g2.n || g1.edgeCount() != g2.edgeCount())
        return -1;
    if (seedFromClock)
        qsrand(static_cast<uint>(QTime::currentTime().msec()));
    first = g1;
    second = g2;
    n = g1.n;
    order = 2 * n;
    for (int i = 0; i < order; ++i)
        for (int j = 0; j < order; ++j)
            coupled[i][j] = 0.0;

    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            coupled[i][j] = second.edge(i, j) ? 1.0 : 0.0;
    const QVector<double> mu2 = Eig(coupled, n).eigvals();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            coupled[i][j] = first.edge(i, j) ? 1.0 : 0.0;
    const QVector<double> mu1 = Eig(coupled, n).eigvals();
    for (int k = 0; k < n; ++k)
        if (std::fabs(mu1[k] - mu2[k]) > Tolerance)
            return 0;

    for (int k = 0; k < n; ++k) {
        target[2 * k] = mu1[k] + 1.0;
        target[2 * k + 1] = mu1[k] - 1.0;
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            coupled[n + i][n + j] = second.edge(i, j) ? 1.0 : 0.0;
    if (!coupleByColour())
        return 0;
    for (int i = 0; i < n; ++i)
        setCoupling(i, 1.0);
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int k = 0; k + 1 < order; ++k)
            if (target[k + 1] > target[k] + Tolerance) {
                std::swap(target[k], target[k + 1]);
                exchanged = true;
            }
    }
    bestValue = eval();
    cur = bestValue;
    bestbackup();
    evalCount = 0;

    // The colour coupling of two asymmetric graphs is usually already the isomorphism; below two
    // vertices it always is, so the random swaps (modulo n-1) are never reached there.
    if (isIsomorphism())
        return 1;

    cycle = 0;
    while (!capReached()) {
        ++cycle;
        strength = 0;
        while (strength <= 9) {
            if (capReached())
                return finish();
            bestrestore();
            perturb(strength);
            cur = eval();
            if (scanSwaps() || scanRotations(3, "t ") || scanDoubleSwaps() ||
                scanRotations(4, "q "))
                return 1;
            ++strength;
        }
        if (cycle > 9)
            break;
    }
    return finish();
}
