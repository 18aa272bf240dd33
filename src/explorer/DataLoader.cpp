#include "explorer/DataLoader.h"

void DataLoader::clear()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_graphs.clear();
    m_size.store(0, std::memory_order_release);
}

void DataLoader::addGraph(QString graph)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_graphs.append(std::move(graph));
    m_size.store(m_graphs.size(), std::memory_order_release);
}

QStringList DataLoader::graphs() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_graphs;
}
