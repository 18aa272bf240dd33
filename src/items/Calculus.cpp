#include "items/Calculus.h"

#include "common/GuiThread.h"
#include "common/writeDiagnostic.h"
#include "graph/Graph.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QRadialGradient>

Calculus *Calculus::calculus_under_mouse = nullptr;

Calculus::Calculus()
    : QGraphicsItem(nullptr), latexDoc(QStringLiteral("N/A")), textDoc(QStringLiteral("N/A")),
      name(QStringLiteral("Missing name!")), ID(QStringLiteral("NA")), sRows(QStringLiteral("NA")),
      sCols(QStringLiteral("NA")), mousePressPos(0, 0)
{
    std::unique_lock<std::mutex> lock(valueMutex);
    M = QVector<QVector<double>>(32, QVector<double>(32, 0.0));
}

Calculus::~Calculus()
{
    // Each link detaches itself from both ends, shrinking `links` while the copy is walked.
    const QList<Link *> outgoing = links;
    for (Link *l : outgoing)
        delete l;
    delete link1;
    delete link2;
    delete link3;
    delete link4;
    delete calculusDisplay;
    calculusDisplay = nullptr;
    if (calculus_under_mouse == this)
        calculus_under_mouse = nullptr;
}

QVector<QVector<double>> *Calculus::getZ()
{
    return &M;
}
void Calculus::setMin(bool) {}
void Calculus::setMax(bool) {}
void Calculus::setOptFactor(double) {}
int Calculus::getObj()
{
    return 0;
}
QString Calculus::specificInformationToSave()
{
    return QString();
}

bool Calculus::compute(bool force)
{
    if (!crucial && !force)
        return true;
    if (!graph) {
        error = true;
        return false;
    }
    applyChanges();
    const int id = graph->getID();
    if (computedOnce && id == lastGraphID)
        return false;

    std::unique_lock<std::mutex> computeLock(computeMutex);
    // Another thread may have computed this counter while we waited for the mutex.
    if (computedOnce && id == lastGraphID)
        return false;
    error = false;
    lastGraphID = id;
    computedOnce = true;

    const bool argumentError = (arg1 && arg1->error) || (arg2 && arg2->error) ||
                               (arg3 && arg3->error) || (arg4 && arg4->error);
    std::unique_lock<std::mutex> valueLock(valueMutex);
    if (argumentError) {
        error = true;
        rows = cols = 0;
        return true;
    }
    recompute();
    return true;
}

void Calculus::update_crucial()
{
    if (!crucial)
        return;
    for (Calculus *a : {arg1, arg2, arg3, arg4})
        if (a)
            a->crucial = true;
}

void Calculus::applyChanges()
{
    if (!calculusDisplay)
        return;
    inReportFlag = calculusDisplay->inReport();
    nodInReportFlag = calculusDisplay->nodInReport();
    vecInReportFlag = calculusDisplay->vecInReport();
    graphInReportFlag = calculusDisplay->graphInReport();
    setInvertGraph(calculusDisplay->invertGraph());
}

void Calculus::setGraph(Graph *g)
{
    graph = g;
    if (calculusDisplay)
        calculusDisplay->setGraph(g);
}

void Calculus::bestBackup()
{
    compute(true);
    if (calculusDisplay)
        publishToDisplay();
    bestError = error.load();
}

void Calculus::publishToDisplay()
{
    CalculusDisplay *dialog = calculusDisplay;
    if (GuiThread::isCurrent()) {
        QString tip;
        {
            std::unique_lock<std::mutex> lock(valueMutex);
            dialog->setValues(M, rows, cols);
            tip = savedTooltip;
        }
        setToolTip(tip);
        return;
    }
    // Widgets belong to the GUI thread: hand over a deep copy, so that the next recompute
    // here writes into a matrix nobody shares.
    QVector<QVector<double>> copy;
    int r, c;
    QString tip;
    {
        std::unique_lock<std::mutex> lock(valueMutex);
        r = rows;
        c = cols;
        copy.resize(r);
        for (int i = 0; i < r; ++i) {
            copy[i].resize(c);
            for (int j = 0; j < c; ++j)
                copy[i][j] = M[i][j];
        }
        tip = savedTooltip;
    }
    // Moved in, so that only the GUI thread ever holds the copied data. The dialog dies with
    // its item, so a call dropped with the dialog never reaches a deleted item.
    GuiThread::run(dialog, [copy = std::move(copy), r, c, tip = std::move(tip), this]() {
        calculusDisplay->setValues(copy, r, c);
        setToolTip(tip);
        update();
    });
}

double Calculus::getValue(int i)
{
    std::unique_lock<std::mutex> lock(valueMutex);
    if (i < 1 || i > 32)
        return 1e12;
    if (cols >= 2)
        return M[0][i - 1];
    return M[i - 1][0];
}

QVector<double> Calculus::getFirstRow()
{
    std::unique_lock<std::mutex> lock(valueMutex);
    QVector<double> r;
    for (int j = 0; j < cols; ++j)
        r.append(M[0][j]);
    return r;
}

QVector<double> Calculus::getFirstCol()
{
    std::unique_lock<std::mutex> lock(valueMutex);
    QVector<double> c;
    for (int i = 0; i < rows; ++i)
        c.append(M[i][0]);
    return c;
}

bool Calculus::isLinked(int k) const
{
    switch (k) {
    case 1:
        return link1 != nullptr;
    case 2:
        return link2 != nullptr;
    case 3:
        return link3 != nullptr;
    case 4:
        return link4 != nullptr;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- board side

QRectF Calculus::boundingRect() const
{
    const int w2 = w / 2, h2 = h / 2;
    return QRectF(-w2 - 12, -h2 - 52, w + 15, h + 55);
}

QPainterPath Calculus::shape() const
{
    QPainterPath path;
    path.addRect(-(w / 2), -(h / 2), w, h);
    return path;
}

void Calculus::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    toggleSelect();
    QGraphicsItem::mousePressEvent(event);
}

void Calculus::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mouseReleaseEvent(event);
}

QVariant Calculus::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionHasChanged) {
        for (Link *l : {link1, link2, link3, link4})
            if (l)
                l->adjust();
        for (Link *l : links)
            l->adjust();
    }
    return QGraphicsItem::itemChange(change, value);
}

void Calculus::toggleSelect()
{
    if (selected)
        selected = false;
    else if (selectable)
        selected = true;
    else
        return;
    update();
}

void Calculus::setSelectable(bool s)
{
    selectable = s;
    if (!s)
        selected = false;
}

bool Calculus::removeLink(Link *link)
{
    if (links.removeAll(link) > 0)
        return true;
    if (link1 == link) {
        link1 = nullptr;
        arg1 = nullptr;
        return true;
    }
    if (link2 == link) {
        link2 = nullptr;
        arg2 = nullptr;
        return true;
    }
    if (link3 == link) {
        link3 = nullptr;
        arg3 = nullptr;
        return true;
    }
    if (link4 == link) {
        link4 = nullptr;
        arg4 = nullptr;
        return true;
    }
    return false;
}

void Calculus::toggleDisplay()
{
    if (!calculusDisplay)
        return;
    calculusDisplay->setName(name);
    calculusDisplay->setVisible(!calculusDisplay->isVisible());
}

void Calculus::update_display()
{
    if (!calculusDisplay)
        return;
    update();
    updateGivenName();
}

void Calculus::updateGivenName()
{
    if (calculusDisplay)
        givenName = calculusDisplay->givenName();
}

void Calculus::setGivenName(const QString &s)
{
    if (calculusDisplay)
        calculusDisplay->setGivenName(s);
    givenName = CalculusDisplay::fieldSafe(s);
}

bool Calculus::inReport() const
{
    return calculusDisplay ? calculusDisplay->inReport() : inReportFlag.load();
}
bool Calculus::nodInReport() const
{
    return calculusDisplay ? calculusDisplay->nodInReport() : nodInReportFlag.load();
}
bool Calculus::vecInReport() const
{
    return calculusDisplay ? calculusDisplay->vecInReport() : vecInReportFlag.load();
}
bool Calculus::graphInReport() const
{
    return calculusDisplay ? calculusDisplay->graphInReport() : graphInReportFlag.load();
}

void Calculus::setInReport(bool b)
{
    inReportFlag = b;
    if (calculusDisplay)
        calculusDisplay->setInReport(b);
}

void Calculus::setNodInReport(bool b)
{
    nodInReportFlag = b;
    if (calculusDisplay)
        calculusDisplay->setNodInReport(b);
}

void Calculus::setVecInReport(bool b)
{
    vecInReportFlag = b;
    if (calculusDisplay)
        calculusDisplay->setVecInReport(b);
}

void Calculus::setGraphInReport(bool b)
{
    graphInReportFlag = b;
    if (calculusDisplay)
        calculusDisplay->setGraphInReport(b);
}

void Calculus::setInvertGraph(bool b)
{
    // The cached value belongs to the other side of the complement: recompute next time even
    // if the graph's counter has not moved.
    if (invertGraphFlag.exchange(b) != b)
        computedOnce = false;
    if (calculusDisplay && calculusDisplay->invertGraph() != b)
        calculusDisplay->setInvertGraph(b);
}

Calculus *Calculus::calculusUnderMouse()
{
    return calculus_under_mouse;
}
void Calculus::setCalculusUnderMouse(Calculus *c)
{
    calculus_under_mouse = c;
}

void Calculus::display() const
{
    QByteArray out = "----------------\nNAME = " + name.toUtf8() + "\n";
    const Link *in[4] = {link1, link2, link3, link4};
    for (int k = 0; k < 4; ++k)
        if (in[k])
            out += "LINK" + QByteArray::number(k + 1) + ":" + in[k]->displayText();
    if (!links.isEmpty()) {
        out += "LINKS TO:\n";
        for (const Link *l : links)
            out += l->displayText();
    }
    writeDiagnostic(out + "----------------");
}

// ---------------------------------------------------------------- texts

QString Calculus::getCaractToSave()
{
    applyChanges();
    const QString tab(QLatin1Char('\t'));
    QString s = name + tab;
    if (!givenName.isEmpty())
        s += givenName;
    s += tab;
    for (bool f : {inReportFlag.load(), nodInReportFlag.load(), vecInReportFlag.load(),
                   invertGraphFlag.load()})
        s += (f ? QStringLiteral("1") : QStringLiteral("0")) + tab;
    s += QString::number(pos().x(), 'g', 6) + tab + QString::number(pos().y(), 'g', 6) + tab;
    const Calculus *args[4] = {arg1, arg2, arg3, arg4};
    for (int k = 0; k < 4; ++k) {
        s += args[k] ? QString::number(args[k]->saveIndex) : QStringLiteral("NULL");
        if (k < 3)
            s += tab;
    }
    s += specificInformationToSave();
    s += QLatin1Char('\n');
    return s;
}

QString Calculus::getID()
{
    ID = typeName + QLatin1Char('-') + QString::number(zValue(), 'g', 6);
    return ID;
}

QString Calculus::problemDocument()
{
    QString s = getID() + QStringLiteral(": ") + name;
    if (!givenName.isEmpty())
        s += QStringLiteral(" (") + givenName + QLatin1Char(')');
    s += QStringLiteral("\nRows: ") + sRows + QStringLiteral("\nColumns: ") + sCols +
         QLatin1Char('\n');
    Calculus *args[4] = {arg1, arg2, arg3, arg4};
    for (int k = 0; k < 4; ++k)
        if (args[k])
            s += QStringLiteral("arg") + QString::number(k + 1) + QStringLiteral(" = ") +
                 args[k]->getID() + QLatin1Char('\n');
    return s;
}

QString Calculus::textDocumentation() const
{
    return (givenName.isEmpty() ? name : givenName) + QStringLiteral(" : ") + textDoc +
           QLatin1Char('\n');
}

// ---------------------------------------------------------------- helpers for item classes

void Calculus::initItem(const QString &keyword, const QString &latex, const QString &text,
                        bool isGraphical, Report report, bool offerComplement)
{
    name = keyword;
    latexDoc = latex;
    textDoc = text;
    graphical = isGraphical;
    if (!graphical)
        return;
    calculusDisplay = new CalculusDisplay(name, textDoc);
    calculusDisplay->setEnabled(true);
    calculusDisplay->setVisible(false);
    if (offerComplement)
        calculusDisplay->enableInvertGraph(true);
    switch (report) {
    case Report::Free:
        break;
    case Report::Value:
        calculusDisplay->enableNatureInReport(false);
        calculusDisplay->setGraphInReport(true);
        calculusDisplay->disconnectReport();
        break;
    case Report::Node:
        calculusDisplay->enableNatureInReport(false);
        calculusDisplay->setNodInReport(true);
        calculusDisplay->disconnectReport();
        break;
    case Report::Matrix:
        calculusDisplay->enableReport(false);
        calculusDisplay->disconnectReport();
        break;
    }
    placeOnBoard();
    calculusDisplay->setName(name);
}

void Calculus::setCategory(const QString &typeText)
{
    typeName = typeText;
    x = qrand() % 200;
    y = qrand() % 200;
    w = 120;
    h = 60;
}

void Calculus::placeOnBoard()
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setCacheMode(DeviceCoordinateCache);
    setZValue(1.0);
    setPos(x, y);
    setVisible(true);
    setToolTip(name);
}

const BitGraph &Calculus::readGraph()
{
    graphBits = BitGraph();
    if (graph) {
        graph->snapshot(graphBits);
        if (invertGraphFlag)
            graphBits = graphBits.complement();
    }
    return graphBits;
}

void Calculus::fail(const QString &tip)
{
    error = true;
    rows = cols = 0;
    if (!tip.isEmpty())
        saveTooltip(tip);
}

bool Calculus::missingGraph(const char *line)
{
    if (graph)
        return false;
    fail();
    if (line)
        writeDiagnostic(line);
    return true;
}

bool Calculus::takeLink(int k, Link *link)
{
    switch (k) {
    case 1:
        link1 = link;
        break;
    case 2:
        link2 = link;
        break;
    case 3:
        link3 = link;
        break;
    case 4:
        link4 = link;
        break;
    default:
        return false;
    }
    if (link)
        link->setArgNo(k);
    return true;
}

bool Calculus::takeArg(int k, Calculus *item)
{
    Link *link = nullptr;
    switch (k) {
    case 1:
        arg1 = item;
        link = link1;
        break;
    case 2:
        arg2 = item;
        link = link2;
        break;
    case 3:
        arg3 = item;
        link = link3;
        break;
    case 4:
        arg4 = item;
        link = link4;
        break;
    default:
        return false;
    }
    if (graph)
        graph->changeBest();
    compute(true);
    update();
    bestBackup();
    if (link)
        link->setArg(item);
    return true;
}

bool Calculus::takeLinkTo(Link *link)
{
    links.append(link);
    selected = false;
    return true;
}

double Calculus::shownValue() const
{
    return calculusDisplay ? calculusDisplay->getValue() : 0.0;
}
int Calculus::shownRows() const
{
    return calculusDisplay ? calculusDisplay->getNbRows() : 0;
}
int Calculus::shownCols() const
{
    return calculusDisplay ? calculusDisplay->getNbCols() : 0;
}
bool Calculus::shownComplement() const
{
    return calculusDisplay && calculusDisplay->invertGraph();
}

void Calculus::setBodyBrush(QPainter *p, qreal radius, QPointF centre, QPointF focal,
                            const QColor &errorRim, const QColor &errorCentre, const QColor &rim,
                            const QColor &centreColour) const
{
    QRadialGradient g(centre, radius, focal);
    if (selected) {
        g.setColorAt(1, QColor(Qt::blue).lighter(120));
        g.setColorAt(0, QColor(Qt::darkBlue).lighter(120));
    } else if (bestError) {
        g.setColorAt(1, errorRim);
        g.setColorAt(0, errorCentre);
    } else {
        g.setColorAt(1, rim);
        g.setColorAt(0, centreColour);
    }
    p->setBrush(g);
    p->setPen(QPen(Qt::black, 1));
}

void Calculus::paintGivenName(QPainter *p, const QColor &rim, const QColor &centre) const
{
    if (givenName.isEmpty())
        return;
    QRadialGradient g(QPointF(3, 3), 100, QPointF(2, 2));
    g.setColorAt(1, rim);
    g.setColorAt(0, centre);
    p->setBrush(g);
    p->setPen(QPen(Qt::black, 1));
    p->drawRect(QRectF(-50, -35, 100, 20));
    p->setPen(QPen(Qt::red, 1));
    p->drawText(QRectF(-45, -35, 90, 20), givenName);
}

void Calculus::paintReportStar(QPainter *p) const
{
    if (!inReport())
        return;
    p->setPen(QPen(Qt::red, 1));
    p->drawText(QRectF(30, 0, 25, 25), QStringLiteral("*"));
}

void Calculus::paintComplementMark(QPainter *p, const QRectF &circle, const QRectF &letter) const
{
    if (!shownComplement())
        return;
    p->setBrush(QBrush(Qt::white));
    p->setPen(QPen(Qt::red, 1));
    p->drawEllipse(circle);
    p->drawText(letter, QStringLiteral("i"));
}
