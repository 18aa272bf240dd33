#include "graph/GraphString.h"

#include <QRegularExpression>

namespace
{

const QString &graph6Header()
{
    static const QString header = QStringLiteral(">>graph6<<");
    return header;
}

int pairCount(int n)
{
    return n < 2 ? 0 : n * (n - 1) / 2;
}

/// text without the line end a line read from a file may keep.
QStringRef withoutLineEnd(const QString &text)
{
    int end = text.size();
    while (end > 0 &&
           (text.at(end - 1) == QLatin1Char('\n') || text.at(end - 1) == QLatin1Char('\r')))
        --end;
    return text.leftRef(end);
}

/// Reads the bit field of a graph of order n into out. Strict: exactly one "0" or "1" per
/// pair, else false with out unchanged; lenient: only "1" is an edge, missing characters are
/// non-edges, surplus ones are ignored.
bool readBitField(int n, const QStringRef &bits, bool strict, BitGraph &out)
{
    const int size = bits.size();
    if (strict && size != pairCount(n))
        return false;
    BitGraph g;
    g.n = n;
    int p = 0;
    for (int i = 1; i < n; ++i)
        for (int j = 0; j < i; ++j, ++p) {
            const QChar c = p < size ? bits.at(p) : QLatin1Char('0');
            if (c == QLatin1Char('1'))
                g.addEdge(i, j);
            else if (strict && c != QLatin1Char('0'))
                return false;
        }
    out = g;
    return true;
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

QByteArray writeGraph6(const BitGraph &g)
{
    QByteArray out(1, char(63 + g.n));
    int bits = 0, k = 0;
    for (int j = 1; j < g.n; ++j)
        for (int i = 0; i < j; ++i) {
            bits = (bits << 1) | int(g.edge(i, j));
            if (++k == 6) {
                out.append(char(63 + bits));
                bits = k = 0;
            }
        }
    if (k > 0)
        out.append(char(63 + (bits << (6 - k))));
    return out;
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
    return readBitField(n, bits, false, out);
}

bool readGraphStringStrict(const QString &line, BitGraph &out)
{
    const QStringRef text = withoutLineEnd(line);
    // Two digits hold every count up to 32; the blank after a count of 0 or 1 is required.
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
    if (n > 32)
        return false;
    return readBitField(n, text.mid(blank + 1), true, out);
}

bool readGraph6(const QString &text, BitGraph &out)
{
    // Only a line end may follow the data: anything else means the line is not what it says.
    QStringRef line = withoutLineEnd(text);
    // The optional header of the format stands before the first graph, on the same line.
    if (line.startsWith(graph6Header()))
        line = line.mid(graph6Header().size());
    if (line.isEmpty())
        return false;
    const int n = static_cast<int>(line.at(0).unicode()) - 63;
    if (n < 0 || n > 32 || line.size() != 1 + (pairCount(n) + 5) / 6)
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

bool isGraph6Header(const QString &line)
{
    return withoutLineEnd(line) == graph6Header();
}
