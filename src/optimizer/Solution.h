#pragma once

#include "problem/Eval.h"

#include <QString>

#include <atomic>

/// One archived graph: its graph string and its own copy of the evaluation record.
class Solution
{
public:
    Solution(const Eval *record, QString graph);
    explicit Solution(const Solution *other);
    ~Solution();

    /// The solution's own record; read, never changed, by the archive and the worker.
    const Eval *getValue() const { return &m_value; }
    QString getGraph() const { return m_graph; }
    int sizeZ() const { return m_value.sizeZ(); }
    int size() const { return m_value.size(); }
    /// Value i of the record; 0.0 outside 0..size()-1.
    double violation(int i) const;
    /// The record's one-line text and a newline, to standard error.
    void display() const;

    /// Live solutions, for ownership checks.
    static std::atomic<int> nbocc;

private:
    QString m_graph;
    Eval m_value;
};
