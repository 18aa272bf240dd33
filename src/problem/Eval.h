#pragma once

#include <QString>
#include <QVector>

#include <atomic>

/// The outcome of evaluating the board on one graph: values (entry 0 the computation-error
/// flag, then one violation amount per constraint, the board's last constraint first) and one
/// vector of objective values per objective. NaN is stored as 1e12, the undefined value.
/// Storage is kept across refills, so a record refilled by the board allocates nothing.
class Eval
{
public:
    Eval();
    explicit Eval(const Eval *other);
    Eval(const Eval &other);
    Eval &operator=(const Eval &other);
    ~Eval();

    void copy(const Eval *other);
    void clear();
    void push_back(double v);
    void push_front(double v);
    void addZ(QVector<double> z);
    void clearZ();
    int sizeZ() const { return m_z.size(); }
    /// Objective vector i (0-based); out of range, an empty vector of this record's own,
    /// emptied again at every such call.
    QVector<double> &z(int i);
    const QVector<double> &z(int i) const;
    QVector<QVector<double>> &z() { return m_z; }
    const QVector<QVector<double>> &z() const { return m_z; }
    int size() const { return m_values.size(); }
    /// 1e12 outside 0..size()-1.
    double value(int i) const;
    /// Entry 0 of objective vector i; 1e12 when there is none.
    double zvalue(int i) const;
    /// Some value (the error flag included) above 1e-6.
    bool violated() const;
    /// "<v v >" per objective vector, then "[v]" per value, six significant digits.
    QString display() const;

    /// Board-side refill without reallocation: nbValues values (set to 0) and nbZ objective
    /// vectors whose sizes the caller sets.
    void shape(int nbValues, int nbZ);
    /// Writes value i when 0 <= i < size().
    void setValue(int i, double v);

    /// NaN becomes 1e12; every other value is kept.
    static double stored(double v) { return v != v ? 1e12 : v; }

    /// Live records.
    static std::atomic<int> nbocc;

private:
    QVector<double> m_values;
    QVector<QVector<double>> m_z;
    QVector<double> m_none;
};
