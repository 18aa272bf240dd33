#include "explorer/DataLoader.h"

#include "explorer/readGraphLine.h"

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

QString DataLoader::readLine(const QByteArray &bytes, int from, int to, bool g6)
{
    // Latin-1 keeps every byte one character, so junk bytes fail the readers' checks.
    const QString line = QString::fromLatin1(bytes.constData() + from, to - from);
    BitGraph g;
    if (!(g6 ? readGraph6Line(line, g) : readGraphStringLine(line, g)))
        return QString();
    return graphStringOf(g);
}
