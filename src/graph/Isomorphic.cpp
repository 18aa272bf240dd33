#include "Isomorphic.h"

#include "graph/GraphString.h"

Isomorphic::Isomorphic() : m_search(100000, true) {}

bool Isomorphic::setG1(QString graphString)
{
    m_valid1 = readGraphString(graphString, m_g1);
    return m_valid1;
}

bool Isomorphic::setG2(QString graphString)
{
    m_valid2 = readGraphString(graphString, m_g2);
    return m_valid2;
}

int Isomorphic::isIsomorphic()
{
    if (!m_valid1 || !m_valid2)
        return 0;
    return m_search.run(m_g1, m_g2);
}
