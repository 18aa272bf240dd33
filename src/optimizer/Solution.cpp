#include "optimizer/Solution.h"

#include "common/writeDiagnostic.h"

std::atomic<int> Solution::nbocc{0};

Solution::Solution(const Eval *record, QString graph) : m_graph(std::move(graph))
{
    ++nbocc;
    m_value.copy(record);
}

Solution::Solution(const Solution *other)
{
    ++nbocc;
    if (other) {
        m_graph = other->m_graph;
        m_value.copy(&other->m_value);
    }
}

Solution::~Solution()
{
    --nbocc;
}

double Solution::violation(int i) const
{
    return (i < 0 || i >= m_value.size()) ? 0.0 : m_value.value(i);
}

void Solution::display() const
{
    writeDiagnostic(m_value.display().toLocal8Bit());
}
