#include "invariants/TreeFamilies.h"

#include "InvariantFixtures.h"

class tst_TreeFamilies : public QObject
{
    Q_OBJECT
private slots:
    void randomTreesAgainstCharacterisations();
    void randomGraphsOutsideTrees();
};

namespace
{

const TreeFamily kAll[] = {TreeFamily::Tree,   TreeFamily::Path,        TreeFamily::Star,
                           TreeFamily::Spider, TreeFamily::Caterpillar, TreeFamily::Comet,
                           TreeFamily::Lobster};

int degreeIn(const PlainGraph &g, uint32_t within, int v)
{
    int d = 0;
    for (int w = 0; w < g.n; ++w)
        d += g.adj[v][w] && (within >> w & 1u);
    return d;
}

// The vertices of a subtree that are not its leaves (a lone vertex or an edge leaves nothing).
uint32_t withoutLeaves(const PlainGraph &g, uint32_t within)
{
    uint32_t rest = 0;
    for (int v = 0; v < g.n; ++v)
        if ((within >> v & 1u) && degreeIn(g, within, v) >= 2)
            rest |= 1u << v;
    return rest;
}

bool isPathIn(const PlainGraph &g, uint32_t within)
{
    for (int v = 0; v < g.n; ++v)
        if ((within >> v & 1u) && degreeIn(g, within, v) > 2)
            return false;
    return true;
}

bool isCaterpillarIn(const PlainGraph &g, uint32_t within)
{
    return isPathIn(g, withoutLeaves(g, within));
}

int countAtLeast(const PlainGraph &g, int d)
{
    int k = 0;
    for (int v = 0; v < g.n; ++v)
        k += g.degree(v) >= d;
    return k;
}

// One vertex of degree 3 or more, and exactly one of its legs longer than one edge: all its
// neighbours but one are leaves.
bool isComet(const PlainGraph &g)
{
    if (countAtLeast(g, 3) != 1)
        return false;
    int centre = 0, shortLegs = 0;
    while (g.degree(centre) < 3)
        ++centre;
    for (int w = 0; w < g.n; ++w)
        shortLegs += g.adj[centre][w] && g.degree(w) == 1;
    return shortLegs == g.degree(centre) - 1;
}

bool expectedOnTree(const PlainGraph &g, TreeFamily f)
{
    const uint32_t all = BitGraph::maskOf(g.n);
    switch (f) {
    case TreeFamily::Tree:
        return true;
    case TreeFamily::Path:
        return isPathIn(g, all);
    case TreeFamily::Star:
        for (int v = 0; v < g.n; ++v)
            if (g.degree(v) == g.n - 1)
                return true;
        return false;
    case TreeFamily::Spider:
        return g.n >= 3 && countAtLeast(g, 3) <= 1;
    case TreeFamily::Caterpillar:
        return isCaterpillarIn(g, all);
    case TreeFamily::Comet:
        return isComet(g);
    case TreeFamily::Lobster:
        return isCaterpillarIn(g, withoutLeaves(g, all));
    }
    return false;
}

} // namespace

void tst_TreeFamilies::randomTreesAgainstCharacterisations()
{
    qsrand(1234);
    int members[7] = {};
    for (int t = 0; t < 3000; ++t) {
        const BitGraph g = randomTree(2 + qrand() % 19);
        const PlainGraph p(g);
        for (int f = 0; f < 7; ++f) {
            const FamilyAnswer a = treeFamilyMember(g, kAll[f]);
            QVERIFY(a.valued && !a.error);
            QCOMPARE(a.member, expectedOnTree(p, kAll[f]));
            members[f] += a.member;
        }
    }
    // Every family is met often enough for the comparison to mean something.
    for (int f = 0; f < 7; ++f)
        QVERIFY2(members[f] >= 50, qPrintable(QString("family %1: %2").arg(f).arg(members[f])));
}

void tst_TreeFamilies::randomGraphsOutsideTrees()
{
    qsrand(4321);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const PlainGraph p(g);
            const auto fw = floydWarshall(p);
            const bool connected = g.n == 0 || std::count(fw[0].begin(), fw[0].end(), kFar) == 0;
            const bool tree = connected && g.edgeCount() == g.n - 1;
            for (TreeFamily f : kAll) {
                const FamilyAnswer a = treeFamilyMember(g, f);
                QCOMPARE(a.valued, g.n >= 2);
                QCOMPARE(a.error, g.n < 2 || !connected);
                if (g.n >= 2)
                    QCOMPARE(a.member, tree && expectedOnTree(p, f));
            }
        }
    }
}

QTEST_APPLESS_MAIN(tst_TreeFamilies)
#include "tst_TreeFamilies.moc"
