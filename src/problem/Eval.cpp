#include "problem/Eval.h"

std::atomic<int> Eval::nbocc{0};

Eval::Eval()
{
    ++nbocc;
}

Eval::Eval(const Eval *other)
{
    ++nbocc;
    copy(other);
}

Eval::Eval(const Eval &other)
{
    ++nbocc;
    copy(&other);
}

Eval &Eval::operator=(const Eval &other)
{
    copy(&other);
    return *this;
}

Eval::~Eval()
{
    --nbocc;
}

void Eval::copy(const Eval *other)
{
    if (!other || other == this)
        return;
    // Element-wise, into storage this record already owns: no sharing with the other.
    m_z.resize(other->m_z.size());
    for (int i = 0; i < m_z.size(); ++i) {
        const QVector<double> &src = other->m_z.at(i);
        QVector<double> &dst = m_z[i];
        dst.resize(src.size());
        for (int j = 0; j < src.size(); ++j)
            dst[j] = src.at(j);
    }
    m_values.resize(other->m_values.size());
    for (int i = 0; i < m_values.size(); ++i)
        m_values[i] = other->m_values.at(i);
}

void Eval::clear()
{
    m_values.clear();
    m_z.clear();
}

void Eval::push_back(double v)
{
    m_values.append(stored(v));
}

void Eval::push_front(double v)
{
    m_values.prepend(stored(v));
}

void Eval::addZ(QVector<double> z)
{
    for (double &v : z)
        v = stored(v);
    m_z.append(z);
}

void Eval::clearZ()
{
    m_z.clear();
}

QVector<double> &Eval::z(int i)
{
    if (i < 0 || i >= m_z.size()) {
        m_none.clear();
        return m_none;
    }
    return m_z[i];
}

const QVector<double> &Eval::z(int i) const
{
    static const QVector<double> none;
    return (i < 0 || i >= m_z.size()) ? none : m_z.at(i);
}

double Eval::value(int i) const
{
    return (i < 0 || i >= m_values.size()) ? 1e12 : m_values.at(i);
}

double Eval::zvalue(int i) const
{
    if (i < 0 || i >= m_z.size() || m_z.at(i).isEmpty())
        return 1e12;
    return m_z.at(i).at(0);
}

bool Eval::violated() const
{
    for (int i = m_values.size() - 1; i >= 0; --i)
        if (m_values.at(i) > 1e-6)
            return true;
    return false;
}

QString Eval::display() const
{
    QString s;
    for (const QVector<double> &v : m_z) {
        s += QLatin1Char('<');
        for (double x : v)
            s += QString::number(x, 'g', 6) + QLatin1Char(' ');
        s += QLatin1Char('>');
    }
    for (double x : m_values)
        s += QLatin1Char('[') + QString::number(x, 'g', 6) + QLatin1Char(']');
    return s;
}

void Eval::shape(int nbValues, int nbZ)
{
    m_values.resize(nbValues);
    for (double &v : m_values)
        v = 0.0;
    m_z.resize(nbZ);
}

void Eval::setValue(int i, double v)
{
    if (i >= 0 && i < m_values.size())
        m_values[i] = stored(v);
}
