#include "explorer/DataLoader.h"

#include "graph/GraphString.h"

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

bool DataLoader::readLine(const QByteArray &bytes, int from, int to, bool g6, QString &graph)
{
    // Latin-1 keeps every byte one character, so junk bytes fail the readers' checks.
    const QString line = QString::fromLatin1(bytes.constData() + from, to - from);
    if (g6 && isGraph6Header(line))
        return true;
    BitGraph g;
    if (!(g6 ? readGraph6(line, g) : readGraphStringStrict(line, g)))
        return false;
    graph = writeGraphString(g);
    return true;
}
