#include "graph/GraphString.h"

#include <QRegularExpression>

namespace
{

int pairCount(int n)
{
    return n < 2 ? 0 : n * (n - 1) / 2;
}

} // namespace

QString writeGraphString(const BitGraph &g)
{
    QString text = QString::number(g.n);
    text += QLatin1Char(' ');
    const int head = text.size();
    text.resize(head + pairCount(g.n));
    QChar *out = text.data() + head;
    for (int i = 1; i < g.n; ++i)
        for (int j = 0; j < i; ++j)
            *out++ = QLatin1Char(g.edge(i, j) ? '1' : '0');
    return text;
}

bool readGraphString(const QString &text, BitGraph &out)
{
    const int blank = text.indexOf(QLatin1Char(' '));
    const QStringRef count = blank < 0 ? text.midRef(0) : text.leftRef(blank);
    bool ok = false;
    int n = count.toInt(&ok);
    if (!ok) {
        // A number too large for an int is a count out of range, not a non-number.
        static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
        if (integer.match(count).hasMatch())
            return false;
        n = 0;
    }
    if (n < 0 || n > 32)
        return false;
    QStringRef bits;
    if (blank >= 0) {
        const int next = text.indexOf(QLatin1Char(' '), blank + 1);
        bits = next < 0 ? text.midRef(blank + 1) : text.midRef(blank + 1, next - blank - 1);
    }
    BitGraph g;
    g.n = n;
    int p = 0;
    const int size = bits.size();
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j, ++p)
            if (p < size && bits.at(p) == QLatin1Char('1'))
                g.addEdge(i, j);
    out = g;
    return true;
}

bool readGraph6(const QString &text, BitGraph &out)
{
    // The optional header of the format stands before the first graph, on the same line.
    static const QString header = QStringLiteral(">>graph6<<");
    const QStringRef line = text.startsWith(header) ? text.midRef(header.size()) : text.midRef(0);
    if (line.isEmpty())
        return false;
    const int n = static_cast<int>(line.at(0).unicode()) - 63;
    if (n < 0 || n > 32)
        return false;
    const int chars = (pairCount(n) + 5) / 6;
    // Only a line end may follow the data: anything else means the line is not what it says.
    int end = line.size();
    while (end > 1 + chars &&
           (line.at(end - 1) == QLatin1Char('\n') || line.at(end - 1) == QLatin1Char('\r')))
        --end;
    if (end != 1 + chars)
        return false;
    BitGraph g;
    g.n = n;
    int c = 1;
    int b = 6;
    int value = 0;
    for (int j = 1; j < n; ++j)
        for (int i = 0; i < j; ++i) {
            if (b > 5) {
                value = static_cast<int>(line.at(c++).unicode()) - 63;
                if (value < 0 || value > 63)
                    return false;
                b = 0;
            }
            if ((value >> (5 - b)) & 1)
                g.addEdge(i, j);
            ++b;
        }
    out = g;
    return true;
}
