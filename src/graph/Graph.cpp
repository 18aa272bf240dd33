#include "graph/Graph.h"

#include "graph/Edge.h"
#include "graph/GraphString.h"
#include "common/GuiThread.h"
#include "graph/Node.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <cstring>
#include <string>

namespace
{

inline uint32_t bit(int j)
{
    return 1u << j;
}

// Rows above 32 bits cannot exist: every vertex index is below 32.
inline bool inSlots(int i)
{
    return static_cast<unsigned>(i) < 32u;
}

inline int pairCount(int n)
{
    return n < 2 ? 0 : n * (n - 1) / 2;
}

// In-place transpose of a 32 x 32 bit matrix, bit j of a[i] being entry (i, j).
void transpose32(uint32_t *a)
{
    uint32_t m = 0x0000ffffu;
    for (int j = 16; j != 0; j >>= 1, m ^= (m << j)) {
        for (int k = 0; k < 32; k = (k + j + 1) & ~j) {
            const uint32_t t = ((a[k] >> j) ^ a[k + j]) & m;
            a[k + j] ^= t;
            a[k] ^= t << j;
        }
    }
}

} // namespace

Graph::Graph(QString name, bool display)
    : QGraphicsView(static_cast<QWidget *>(nullptr)), m_name(name), m_display(display)
{
    if (m_display) {
        m_scene = new QGraphicsScene(this);
        m_selectionRect = new QGraphicsRectItem();
        m_selectionRect->hide();
        m_selectionRect->setBrush(QBrush(Qt::yellow));
        m_selectionRect->setPen(QPen(Qt::red));
        m_selectionRect->setZValue(1000);
        m_selectionRect->setOpacity(0.5);
        m_scene->addItem(m_selectionRect);
        setScene(m_scene);
        setContextMenuPolicy(Qt::CustomContextMenu);
        setCacheMode(QGraphicsView::CacheBackground);
        setRenderHint(QPainter::Antialiasing);
        setBackgroundBrush(QBrush(Qt::white));
        setMouseTracking(true);
    }
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        std::lock_guard<std::mutex> current(m_currentMutex);
        m_nodes.resize(32);
        m_edges.fill(QVector<Edge *>(32, nullptr), 32);
        for (int i = 0; i < 32; ++i) {
            const double x = (qrand() % 2000) / 10.0;
            const double y = (qrand() % 2000) / 10.0;
            Node *node = new Node(x, y, 10, 10, QStringLiteral("Node %1").arg(i + 1), m_display);
            m_nodes[i] = node;
            if (m_scene)
                m_scene->addItem(node);
            for (int j = 0; j < i; ++j) {
                Edge *e = new Edge(node, m_nodes[j]);
                m_edges[i][j] = e;
                m_edges[j][i] = e;
                if (m_scene)
                    m_scene->addItem(e);
                node->addENeighbor(e);
                m_nodes[j]->addENeighbor(e);
            }
        }
    }
    m_id.store(static_cast<quint32>(qrand()));
    randomGraph(10);
    best_backup();
    update_display();
    setViolated(false);
}

Graph::~Graph()
{
    clear();
    for (int i = 0; i < m_edges.size(); ++i)
        for (int j = 0; j < i; ++j)
            delete m_edges[i][j];
    m_edges.clear();
    qDeleteAll(m_nodes);
    m_nodes.clear();
}

Node *Graph::getNode(int i) const
{
    return inSlots(i) ? m_nodes[i] : nullptr;
}

Edge *Graph::getEdge(int i, int j) const
{
    return inSlots(i) && inSlots(j) ? m_edges[i][j] : nullptr;
}

bool Graph::edge(int i, int j) const
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    const unsigned n = static_cast<unsigned>(m_n.load(std::memory_order_relaxed));
    if (static_cast<unsigned>(i) >= n || static_cast<unsigned>(j) >= n || i == j)
        return false;
    return ((m_current[i] >> j) | (m_current[j] >> i)) & 1u;
}

int Graph::getNbEdges() const
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    const int n = m_n.load(std::memory_order_relaxed);
    const uint32_t all = BitGraph::maskOf(n);
    int count = 0;
    for (int i = 0; i < n; ++i)
        count += __builtin_popcount(m_current[i] & all & ~BitGraph::maskOf(i + 1));
    return count;
}

void Graph::snapshot(BitGraph &out) const
{
    uint32_t cells[32];
    int n;
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        n = m_n.load(std::memory_order_relaxed);
        std::memcpy(cells, m_current, sizeof cells);
    }
    uint32_t transposed[32];
    std::memcpy(transposed, cells, sizeof cells);
    transpose32(transposed);
    const uint32_t all = BitGraph::maskOf(n);
    out.n = n;
    for (int i = 0; i < 32; ++i)
        out.row[i] = i < n ? (cells[i] | transposed[i]) & all & ~bit(i) : 0u;
}

bool Graph::bestEdge(int i, int j) const
{
    std::lock_guard<std::mutex> locker(m_bestMutex);
    const unsigned n = static_cast<unsigned>(m_nBest);
    if (static_cast<unsigned>(i) >= n || static_cast<unsigned>(j) >= n || i == j)
        return false;
    return ((m_best[i] >> j) | (m_best[j] >> i)) & 1u;
}

int Graph::getNbBestNodes() const
{
    std::lock_guard<std::mutex> locker(m_bestMutex);
    return m_nBest;
}

int Graph::getBestID() const
{
    std::lock_guard<std::mutex> locker(m_bestMutex);
    return m_bestCounter;
}

void Graph::best_backup()
{
    std::lock_guard<std::mutex> best(m_bestMutex);
    std::lock_guard<std::mutex> current(m_currentMutex);
    std::memcpy(m_best, m_current, sizeof m_best);
    m_nBest = m_n.load(std::memory_order_relaxed);
    for (int i = 0; i < 32; ++i) {
        m_nodes[i]->setExists(i < m_nBest);
        m_nodes[i]->setVisibleFlag(i < m_nBest);
    }
    m_bestCounter = getID();
}

void Graph::best_restore()
{
    std::lock_guard<std::mutex> best(m_bestMutex);
    std::lock_guard<std::mutex> current(m_currentMutex);
    m_id.store(static_cast<quint32>(m_bestCounter), std::memory_order_release);
    std::memcpy(m_current, m_best, sizeof m_current);
    m_n.store(m_nBest, std::memory_order_relaxed);
    setExistsBelow(m_nBest);
}

void Graph::changeBest()
{
    bumpID(1);
    best_backup();
    emit signal_best_graph_changed();
}

void Graph::update_display()
{
    {
        std::lock_guard<std::mutex> best(m_bestMutex);
        std::lock_guard<std::mutex> current(m_currentMutex);
        for (int i = 0; i < 32; ++i) {
            m_nodes[i]->setVisibleFlag(i < m_nBest);
            m_nodes[i]->setExists(i < m_nBest);
        }
    }
    // One pending refresh is enough: it draws the best graph as it stands when it runs.
    GuiThread::run(
        displayContext(),
        [this] {
            std::lock_guard<std::mutex> best(m_bestMutex);
            std::lock_guard<std::mutex> current(m_currentMutex);
            refreshItems();
        },
        &m_displayQueued);
}

void Graph::refreshItems()
{
    for (int i = 0; i < 32; ++i) {
        Node *node = m_nodes[i];
        node->updateVisible();
        for (int j = 0; j < i; ++j)
            m_edges[i][j]->resetVisible((m_best[i] >> j) & 1u);
        node->updateVisible();
    }
}

void Graph::setViolated(bool v)
{
    if (m_violated.exchange(v) == v)
        return;
    applyBackground();
}

void Graph::applyBackground()
{
    // The view is a widget whether or not it has a scene.
    GuiThread::run(
        this,
        [this] {
            setBackgroundBrush(QBrush(isViolated() ? Qt::gray : Qt::white));
            viewport()->update();
        },
        &m_backgroundQueued);
}

void Graph::lock()
{
    m_bestMutex.lock();
}

void Graph::unlock()
{
    m_bestMutex.unlock();
}

void Graph::setExistsBelow(int n)
{
    for (int k = 0; k < 32; ++k)
        m_nodes[k]->setExists(k < n);
}

bool Graph::addEdge(int i, int j)
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    bumpID(1);
    const unsigned n = static_cast<unsigned>(m_n.load(std::memory_order_relaxed));
    if (static_cast<unsigned>(i) >= n || static_cast<unsigned>(j) >= n || i == j)
        return false;
    m_current[i] |= bit(j);
    m_current[j] |= bit(i);
    return true;
}

bool Graph::remEdge(int i, int j)
{
    if (!inSlots(i) || !inSlots(j))
        return false;
    std::lock_guard<std::mutex> locker(m_currentMutex);
    bumpID(1);
    if (!(((m_current[i] >> j) | (m_current[j] >> i)) & 1u))
        return false;
    m_current[i] &= ~bit(j);
    m_current[j] &= ~bit(i);
    return true;
}

void Graph::toggleEdge(int i, int j)
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    if (inSlots(i) && inSlots(j))
        m_current[i] ^= bit(j);
}

void Graph::invert()
{
    // Every cell of the n x n block flips, the diagonal included: twice restores everything.
    std::lock_guard<std::mutex> locker(m_currentMutex);
    const int n = m_n.load(std::memory_order_relaxed);
    const uint32_t all = BitGraph::maskOf(n);
    for (int i = 0; i < n; ++i)
        m_current[i] ^= all;
}

void Graph::placeNewNode(int slot)
{
    Node *node = m_nodes[slot];
    if (!m_display) {
        // No scene: the view position is the only position there is.
        node->setPosition(m_lastMousePos.x(), m_lastMousePos.y(), 0);
        return;
    }
    GuiThread::run(this, [this, node] {
        const QPointF p = mapToScene(m_lastMousePos);
        node->setPosition(p.x(), p.y(), 0);
    });
}

bool Graph::addNode()
{
    const int n = m_n.load(std::memory_order_relaxed);
    if (n > 31)
        return false;
    placeNewNode(n);
    m_n.store(n + 1, std::memory_order_relaxed);
    setExistsBelow(n + 1);
    bumpID(1);
    update_display();
    return true;
}

bool Graph::remNode()
{
    const int n = m_n.load(std::memory_order_relaxed) - 1;
    if (n < 0)
        return false;
    m_n.store(n, std::memory_order_relaxed);
    setExistsBelow(n);
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        for (int i = 0; i < n; ++i) {
            m_current[i] &= ~bit(n);
            m_current[n] &= ~bit(i);
        }
        bumpID(static_cast<quint32>(n));
    }
    bumpID(1);
    update_display();
    return true;
}

bool Graph::remNode(int v)
{
    int n = m_n.load(std::memory_order_relaxed);
    if (v < 0 || v >= n)
        return false;
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        --n;
        m_n.store(n, std::memory_order_relaxed);
        setExistsBelow(n);
        if (v != n) {
            // The last vertex takes index v with all its neighbours; [v][v] stays as it was.
            const uint32_t others = BitGraph::maskOf(n) & ~bit(v);
            m_current[v] = (m_current[v] & ~others) | (m_current[n] & others);
            for (int j = 0; j < n; ++j) {
                if (j == v)
                    continue;
                if ((m_current[j] >> n) & 1u)
                    m_current[j] |= bit(v);
                else
                    m_current[j] &= ~bit(v);
            }
        }
        // Then every pair of the old last vertex goes, its pair with v included.
        for (int j = 0; j < n; ++j) {
            m_current[n] &= ~bit(j);
            m_current[j] &= ~bit(n);
        }
        bumpID(static_cast<quint32>(n));
    }
    m_nodes[n]->setExists(false);
    bumpID(1);
    update_display();
    return true;
}

void Graph::clear()
{
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        for (int i = 0; i < 32; ++i)
            m_current[i] &= bit(i);
        bumpID(496);
    }
    setExistsBelow(0);
    m_n.store(0, std::memory_order_relaxed);
}

void Graph::randomGraph(int k)
{
    // Above 32 the vertex loop could never reach k: addNode refuses a 33rd vertex.
    k = qBound(0, k, 32);
    clear();
    while (getNbNodes() < k)
        addNode();
    while (getNbNodes() > k)
        remNode();
    const int n = getNbNodes();
    for (int i = 0; i < n - 1; ++i)
        for (int j = i + 1; j < n; ++j) {
            if (qrand() & 1)
                addEdge(i, j);
            else
                remEdge(i, j);
        }
}

void Graph::copy(Graph *source)
{
    // Copying from itself would take its own mutex twice.
    if (!source || source == this)
        return;
    // One lock at a time: the source is read whole, then written here.
    BitGraph g;
    source->snapshot(g);
    const int n = g.n;
    m_n.store(n, std::memory_order_relaxed);
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        const uint32_t block = BitGraph::maskOf(n);
        for (int i = 0; i < n; ++i)
            m_current[i] = (m_current[i] & ~block) | g.row[i];
    }
    bumpID(1);
}

Graph *Graph::clone()
{
    Graph *g = new Graph(QStringLiteral("Clone"), false);
    g->copy(this);
    return g;
}

void Graph::repaintNodes()
{
    if (!m_display)
        return;
    GuiThread::run(this, [this] {
        for (Node *node : qAsConst(m_nodes))
            node->update();
    });
}

void Graph::slot_select_all()
{
    for (Node *node : qAsConst(m_nodes))
        node->setSelected(true);
    repaintNodes();
    bumpID(1);
    emit signal_interactive_graph_changed();
}

void Graph::slot_unselect_all()
{
    for (Node *node : qAsConst(m_nodes))
        if (node->isSelected())
            node->setSelected(false);
    repaintNodes();
    bumpID(1);
    emit signal_interactive_graph_changed();
}

void Graph::slot_invert_selection()
{
    for (Node *node : qAsConst(m_nodes))
        node->toggleSelected();
    repaintNodes();
    bumpID(1);
    emit signal_interactive_graph_changed();
}

// ---- Graph string and graph6 ----

QString Graph::graphData() const
{
    // Only the cell below the diagonal of each pair is read.
    BitGraph g;
    {
        std::lock_guard<std::mutex> locker(m_bestMutex);
        g.n = m_nBest;
        for (int i = 0; i < g.n; ++i)
            g.row[i] = m_best[i] & BitGraph::maskOf(i);
    }
    uint32_t above[32];
    std::memcpy(above, g.row, sizeof above);
    transpose32(above);
    for (int i = 0; i < g.n; ++i)
        g.row[i] |= above[i];
    return writeGraphString(g);
}

QString Graph::currentGraphData() const
{
    BitGraph g;
    snapshot(g);
    return writeGraphString(g);
}

void Graph::writePairs(int n, const uint32_t *rows, bool countChanged)
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    const uint32_t block = BitGraph::maskOf(n);
    for (int i = 0; i < n; ++i) {
        // Pairs of 0..n-1 are rewritten; the diagonal and cells beyond n keep their values.
        const uint32_t pairsOfRow = block & ~bit(i);
        m_current[i] = (m_current[i] & ~pairsOfRow) | (rows[i] & pairsOfRow);
    }
    // Below two vertices there is no pair to rewrite, yet a new count is a new graph.
    bumpID(static_cast<quint32>(qMax(pairCount(n), countChanged ? 1 : 0)));
}

void Graph::applyGraphString(const BitGraph &g, bool reset, bool makeBest)
{
    const int n = g.n;
    const bool countChanged = m_n.exchange(n, std::memory_order_relaxed) != n;
    setExistsBelow(n);
    if (reset) {
        clear();
        if (makeBest)
            best_backup();
        for (int k = 0; k < n; ++k)
            addNode();
        if (makeBest)
            best_backup();
    }
    writePairs(n, g.row, countChanged);
}

bool Graph::loadCurrentGraph(QString text)
{
    BitGraph g;
    if (!readGraphString(text, g))
        return false;
    applyGraphString(g, false, false);
    return true;
}

bool Graph::loadmvx(QString text, bool reset)
{
    BitGraph g;
    if (!readGraphString(text, g))
        return false;
    applyGraphString(g, reset, true);
    best_backup();
    if (reset) {
        slot_unselect_all();
        emit signal_best_graph_changed();
    }
    return true;
}

bool Graph::loadg6(QString line, bool reset)
{
    BitGraph g;
    if (!readGraph6(line, g))
        return false;
    // With reset the best copy holds the bare vertices: it is taken before the edges are written.
    applyGraphString(g, reset, true);
    return true;
}

bool Graph::loadg6(std::istream &in)
{
    std::string text;
    int ch;
    while ((ch = in.get()) != std::char_traits<char>::eof() && ch != '\n' && ch != '\r')
        text.push_back(static_cast<char>(ch));
    BitGraph g;
    if (!readGraph6(QString::fromLatin1(text.data(), static_cast<int>(text.size())), g))
        return false;
    applyGraphString(g, true, false);
    return true;
}
