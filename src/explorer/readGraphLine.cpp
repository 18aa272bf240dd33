#include "explorer/readGraphLine.h"

namespace
{
int pairCount(int n)
{
    return n * (n - 1) / 2;
}
} // namespace

bool readGraphStringLine(const QString &line, BitGraph &g)
{
    // Only the line end is dropped: the blank after a count of 0 or 1 belongs to the string.
    QString text = line;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const int blank = text.indexOf(QLatin1Char(' '));
    if (blank < 1 || blank > 2)
        return false;
    int n = 0;
    for (int k = 0; k < blank; ++k) {
        const QChar c = text.at(k);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        n = n * 10 + (c.unicode() - '0');
    }
    if (n > 32 || text.size() - blank - 1 != pairCount(n))
        return false;
    BitGraph out;
    out.n = n;
    const QChar *p = text.constData() + blank + 1;
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j, ++p) {
            if (*p == QLatin1Char('1'))
                out.addEdge(i, j);
            else if (*p != QLatin1Char('0'))
                return false;
        }
    g = out;
    return true;
}

bool readGraph6Line(const QString &line, BitGraph &g)
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return false;
    const int n = text.at(0).unicode() - 63;
    if (n < 0 || n > 32 || text.size() - 1 != (pairCount(n) + 5) / 6)
        return false;
    BitGraph out;
    out.n = n;
    for (int c = 1; c < text.size(); ++c) {
        const int value = text.at(c).unicode() - 63;
        if (value < 0 || value > 63)
            return false;
    }
    // Pairs run column by column over the upper triangle: (0,1), (0,2), (1,2), (0,3), ...
    int bit = 0;
    for (int j = 1; j < n; ++j)
        for (int i = 0; i < j; ++i, ++bit)
            if (((text.at(1 + bit / 6).unicode() - 63) >> (5 - bit % 6)) & 1)
                out.addEdge(i, j);
    g = out;
    return true;
}

QString graphStringOf(const BitGraph &g)
{
    QString text = QString::number(g.n) + QLatin1Char(' ');
    text.reserve(text.size() + pairCount(g.n));
    for (int i = 1; i < g.n; ++i)
        for (int j = 0; j < i; ++j)
            text += QLatin1Char(g.edge(i, j) ? '1' : '0');
    return text;
}
