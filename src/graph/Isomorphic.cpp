#include "Isomorphic.h"

#include "graph/Graph.h"

Isomorphic::Isomorphic()
    : m_g1(new Graph("G1", false)), m_g2(new Graph("G2", false)), m_search(100000, true)
{
}

Isomorphic::~Isomorphic()
{
    delete m_g1;
    delete m_g2;
}

bool Isomorphic::setG1(QString graphString)
{
    m_valid1 = m_g1->loadmvx(graphString, false);
    m_g1->best_backup();
    return m_valid1;
}

bool Isomorphic::setG2(QString graphString)
{
    m_valid2 = m_g2->loadmvx(graphString, false);
    m_g2->best_backup();
    return m_valid2;
}

int Isomorphic::isIsomorphic()
{
    if (!m_valid1 || !m_valid2)
        return 0;
    BitGraph g1;
    BitGraph g2;
    m_g1->snapshot(g1);
    m_g2->snapshot(g2);
    return m_search.run(g1, g2);
}
