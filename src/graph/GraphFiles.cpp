// Graph file, autosave file, export file and PDF output of class Graph.

#include "graph/Graph.h"

#include "common/Prompts.h"
#include "common/readWholeFile.h"
#include "common/writeDiagnostic.h"
#include "common/writeWholeFile.h"
#include "graph/Node.h"

#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QVector>
#include <cmath>
#include <functional>

struct Graph::FileContent {
    int n = 0;
    QStringList names;
    QVector<QPointF> positions;
    uint32_t rows[32] = {};
};

namespace
{

// A name holding a separator would break its own line.
QString fieldSafe(QString name)
{
    name.replace(QLatin1Char('\t'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

// A coordinate that is not a finite number reads as 0.
double coordinate(const QString &field)
{
    bool ok = false;
    const double v = field.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int cell(const QString &field)
{
    bool ok = false;
    const int v = field.toInt(&ok);
    return ok ? v : 0;
}

void formatError()
{
    writeDiagnostic("ERROR IN FILE FORMAT");
}

// Asks for a file to write and warns with `failure` when `write` fails on it, as it does on
// the empty name of a cancelled dialog. The name is written as the user gave it, suffix or not.
void writeChosenFile(QWidget *parent, const QString &caption, const QString &dir,
                     const QString &filter, const std::function<bool(const QString &)> &write,
                     const QString &failure)
{
    const QString name = Prompts::instance().saveFileNameAsTyped(parent, caption, dir, filter);
    if (!write(name))
        Prompts::instance().message(parent, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    failure);
}

} // namespace

QString Graph::autosaveFileName() const
{
    return m_wd.isEmpty() ? QStringLiteral(".mvxgr") : m_wd + QStringLiteral("/.mvxgr");
}

QByteArray Graph::graphFileText(bool withCounter) const
{
    const int n = m_nBest;
    QString text = QString::number(n) + QLatin1Char('\n');
    if (withCounter)
        text += QString::number(getID()) + QLatin1Char('\n');
    for (int i = 0; i < n; ++i) {
        const QPointF p = nodePos(i);
        text += fieldSafe(m_nodes[i]->nodeName()) + QLatin1Char('\t') + number(p.x()) +
                QLatin1Char('\t') + number(p.y()) + QLatin1Char('\n');
    }
    text.reserve(text.size() + 2 * n * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const bool adjacent = i != j && (((m_best[i] >> j) | (m_best[j] >> i)) & 1u);
            text += QLatin1Char(adjacent ? '1' : '0');
            text += QLatin1Char('\t');
        }
    // toLatin1 writes a character outside Latin-1 as '?'.
    return text.toLatin1();
}

bool Graph::save(QString fileName)
{
    QByteArray bytes;
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        bytes = graphFileText(false);
    }
    return writeWholeFile(fileName, bytes);
}

bool Graph::autosave(QString *error, QByteArray *written)
{
    QByteArray bytes;
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        bytes = graphFileText(true);
    }
    if (!writeWholeFile(autosaveFileName(), bytes, error))
        return false;
    if (written)
        *written = bytes;
    return true;
}

bool Graph::readGraphFile(const QString &fileName, bool withCounter, FileContent &out,
                          bool &opened) const
{
    QByteArray bytes;
    // A file read short is one that cannot be read, not a shorter graph.
    opened = readWholeFile(fileName, bytes);
    if (!opened)
        return false;
    if (bytes.isEmpty()) {
        formatError();
        return false;
    }
    const QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    int next = 0;
    // Beyond 32 there is no vertex item to hold the vertex; a count that is not a whole number
    // says the file is not a graph file, and reading it as 0 would wipe the user's graph.
    static const QRegularExpression digits(QStringLiteral("^\\s*[0-9]+\\s*$"));
    const QString &countLine = lines.at(next++);
    bool ok = false;
    const int n = digits.match(countLine).hasMatch() ? countLine.trimmed().toInt(&ok) : -1;
    if (!ok || n > 32) {
        formatError();
        return false;
    }
    if (withCounter && next++ >= lines.size()) {
        formatError();
        return false;
    }
    out.n = n;
    out.names.clear();
    out.positions.clear();
    for (int i = 0; i < n; ++i) {
        if (next >= lines.size()) {
            formatError();
            return false;
        }
        const QStringList fields = lines.at(next++).split(QLatin1Char('\t'));
        if (fields.size() < 3) {
            formatError();
            return false;
        }
        out.names.append(fields.at(0));
        out.positions.append(QPointF(coordinate(fields.at(1)), coordinate(fields.at(2))));
    }
    std::fill(out.rows, out.rows + 32, 0u);
    if (n == 0)
        return true;
    if (next >= lines.size()) {
        formatError();
        return false;
    }
    const QStringList cells = lines.at(next).split(QLatin1Char('\t'));
    if (cells.size() < n * n) {
        formatError();
        return false;
    }
    // Only the upper triangle counts.
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (cell(cells.at(i * n + j)) != 0) {
                out.rows[i] |= 1u << j;
                out.rows[j] |= 1u << i;
            }
    return true;
}

void Graph::applyGraphFile(const FileContent &f)
{
    // The counter only moves forward from here, so no item can meet a value it cached before.
    clear();
    best_backup();
    for (int k = 0; k < f.n; ++k)
        addNode();
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        for (int i = 0; i < f.n; ++i) {
            m_nodes[i]->setNodeName(f.names.at(i));
            m_nodes[i]->setPosition(f.positions.at(i).x(), f.positions.at(i).y());
            m_nodes[i]->setSelected(false);
        }
        writePairs(f.n, f.rows, false);
        bumpID(1);
    }
    bumpID(1);
    best_backup();
    emit signal_best_graph_changed();
}

bool Graph::open(QString fileName)
{
    FileContent f;
    bool opened = false;
    if (!readGraphFile(fileName, false, f, opened)) {
        if (!opened)
            Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Opening"),
                                        QStringLiteral("Cannot open graph"));
        return false;
    }
    emit signal_console(QStringLiteral("Graph:") + QString::number(f.n), false, 1,
                        QColor(Qt::gray));
    applyGraphFile(f);
    return true;
}

bool Graph::autoload()
{
    FileContent f;
    bool opened = false;
    if (!readGraphFile(autosaveFileName(), true, f, opened))
        return false;
    applyGraphFile(f);
    return true;
}

void Graph::slot_save()
{
    writeChosenFile(
        this, QStringLiteral("Save graph as"), m_wd, QStringLiteral("*.gmvx3"),
        [this](const QString &name) { return save(name); },
        QStringLiteral("Failed to save graph."));
}

void Graph::slot_open()
{
    const QString name = Prompts::instance().openFileName(
        this, QStringLiteral("Choose graph to load"), m_wd, QStringLiteral("*.gmvx3"));
    if (!open(name))
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    QStringLiteral("Failed to load graph."));
    update_display();
}

bool Graph::export_graph(QString fileName)
{
    QByteArray bytes;
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        const int n = m_nBest;
        QString vertices;
        QString edges;
        int m = 0;
        for (int i = 0; i < n; ++i) {
            const QPointF p = nodePos(i);
            const QString name = fieldSafe(m_nodes[i]->nodeName());
            vertices += name + QLatin1Char('\t') + number(p.x()) + QLatin1Char('\t') +
                        number(p.y()) + QLatin1Char('\n');
            for (int j = 0; j < n; ++j) {
                if (i == j || !(((m_best[i] >> j) | (m_best[j] >> i)) & 1u))
                    continue;
                m += j > i;
                edges += name + QLatin1Char('\t') + fieldSafe(m_nodes[j]->nodeName()) +
                         QStringLiteral("\t1\t0\n");
            }
        }
        bytes = (QString::number(n) + QLatin1Char('\n') + QString::number(m) + QLatin1Char('\n') +
                 vertices + edges)
                    .toLatin1();
    }
    return writeWholeFile(fileName, bytes);
}

void Graph::slot_export_graph()
{
    writeChosenFile(
        this, QStringLiteral("Export graph as"), m_wd, QStringLiteral("*.cg"),
        [this](const QString &name) { return export_graph(name); },
        QStringLiteral("Failed to export graph."));
}

bool Graph::printToFile(QString fileName)
{
    if (fileName.isEmpty() || !m_display)
        return false;
    // The printer's high resolution.
    return writePdfPage(fileName, 1200, [this](QPainter &painter) {
        render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
    });
}

void Graph::slot_print()
{
    if (!m_display)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::instance().print(nullptr, &printer))
        return;
    if (!printPainted(printer, [this](QPainter &painter) {
            render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
        }))
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    QStringLiteral("Failed to print graph."));
}

void Graph::scaleCoords(double W, double H)
{
    const int n = getNbBestNodes();
    double minX = 1e12, minY = 1e12, maxX = -1e12, maxY = -1e12;
    for (int k = 0; k < n; ++k) {
        minX = std::min(minX, m_nodes[k]->getCoordX());
        maxX = std::max(maxX, m_nodes[k]->getCoordX());
        minY = std::min(minY, m_nodes[k]->getCoordY());
        maxY = std::max(maxY, m_nodes[k]->getCoordY());
    }
    if (maxX - minX < 0.1)
        maxX = minX + 10;
    if (maxY - minY < 0.1)
        maxY = minY + 10;
    for (int k = 0; k < n; ++k) {
        Node *node = m_nodes[k];
        node->setPosition((node->getCoordX() - minX) * W / (maxX - minX) - W / 2,
                          (node->getCoordY() - minY) * H / (maxY - minY) - H / 2);
    }
}
