#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>

/// The explorers' loader of graph lists: graph strings poured in by the job manager, taken by
/// the explorers. Its list is guarded by its own mutex.
class DataLoader
{
public:
    DataLoader() = default;
    virtual ~DataLoader() = default;

    void clear();
    void addGraph(QString graph);
    /// Number of graph strings held, read without the mutex.
    int size() const { return m_size.load(std::memory_order_acquire); }
    /// A copy of the graph strings held, in the order they were added.
    QStringList graphs() const;

private:
    mutable std::mutex m_mutex;
    QStringList m_graphs;
    std::atomic<int> m_size{0};
};
