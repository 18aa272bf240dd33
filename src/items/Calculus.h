#pragma once

// Writing a new item class (see invariants/invDEGMAX for a value, invDEGREES for a vector):
//  1. Derive from the base of the item's shape (invariants/ValueInvariant, VertexInvariant,
//     MatrixInvariant, ...; operators/OperatorItem's family for operators; Constraint) and
//     keep one constructor taking `bool graphical`. It hands the kernel to the base and calls
//     initInvariant(keyword, latexDoc, textDoc, graphical) (initItem for the other
//     categories), which builds the dialog only when graphical is true. Fill any work arrays
//     to their 32-entry size there, never in recompute().
//  2. Where no base fits, override recompute(). It runs under the compute and value mutexes;
//     open it with `if (missingGraph()) return;`, then
//     read the graph once with `const BitGraph& g = readGraph();` (complement already
//     applied when the item's complement flag is set), call a plain kernel, set rows/cols
//     and write M in place.
//     Never take Graph::snapshot() or call Graph::invert() yourself: the complement lives
//     only in readGraph(), the shared graph is never flipped. Arguments are read directly
//     (arg1->M, arg1->rows, ...). No allocation, no string building and no Graph::edge()
//     calls in recompute().
//  3. Error exit: `fail(QStringLiteral("Missing argument")); return;` (a literal: no
//     allocation) sets the error flag, rows = cols = 0 and the tool tip shown at the next
//     bestBackup(). Operator items derive from OperatorItem (operators/OperatorItem.h), which
//     handles arity, formulas and the error exit for them.
//  4. Register the keyword with one row, at its place in its menu list, in the table of
//     catalogue/BuildCalculus.cpp: `{"DEGMAX", List::InvariantsVal, &make<invDEGMAX>},`.

#include "graph/BitGraph.h"
#include "graph/ItemTypes.h"

#include <QGraphicsItem>
#include <QList>
#include <QPointF>
#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>

class CalculusDisplay;
class Graph;
class Link;
class QPainter;

/// Base of every white-board item: a value matrix of up to 32 x 32, up to four argument
/// items joined by numbered links, and a computation redone only when the graph moved.
class Calculus : public QGraphicsItem
{
public:
    /// How an item's dialog offers the explorer settings when the item is built with graphics.
    enum class Report {
        Free,  ///< left as the dialog builds it (operators, constraints)
        Value, ///< "Graph Value" fixed
        Node,  ///< "Node Value" fixed
        Matrix ///< "Insert in explorer" disabled
    };

    Calculus();
    virtual ~Calculus();

    // Board geometry and mouse handling.
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    enum { Type = CalculusItemType };
    int type() const override { return Type; }

    // The item's own virtual operations; each category base fills the pure ones.
    virtual bool setLink1(Link *) = 0;
    virtual bool setLink2(Link *) = 0;
    virtual bool setLink3(Link *) = 0;
    virtual bool setLink4(Link *) = 0;
    virtual QString formula() = 0;
    virtual bool setLinkTo(Link *) = 0;
    virtual QVector<QVector<double>> *getZ();
    virtual bool setArg1(Calculus *) = 0;
    virtual bool setArg2(Calculus *) = 0;
    virtual bool setArg3(Calculus *) = 0;
    virtual bool setArg4(Calculus *) = 0;
    virtual void setParam(int) = 0;
    virtual int getParam() = 0;
    virtual void setMin(bool);
    virtual void setMax(bool);
    virtual void setOptFactor(double);
    virtual int getObj();
    virtual QString specificInformationToSave();
    virtual void recompute() = 0;

    /// Recomputes when forced or crucial and the graph's counter moved since the last run.
    /// Returns true when it ran or was skipped as not needed, false without a graph or when
    /// the value is already current (the error flag then stays as it was).
    bool compute(bool force);
    void set_crucial(bool c) { crucial = c; }
    void update_crucial();
    void applyChanges();
    bool getError() const { return error; }
    void setGraph(Graph *g);
    /// Computes and publishes the value for the best graph to the dialog and tool tip; from a
    /// thread other than the dialog's, the display part is queued to the GUI thread.
    void bestBackup();
    /// Element i (1-based) of a vector value; 1e12 outside 1..32.
    double getValue(int i);
    QVector<double> getFirstRow();
    QVector<double> getFirstCol();
    void saveTooltip(const QString &tip) { savedTooltip = tip; }
    QString getSRows() const { return sRows; }
    QString getSCols() const { return sCols; }
    QString getType() const { return typeName; }
    void setZ(double z) { setZValue(z); }
    bool isLinked(int k) const;

    // Board side: selection, links, dialog, report flags.
    void toggleSelect();
    void select(bool s) { selected = selectable && s; }
    void setSelectable(bool s);
    bool removeLink(Link *link);
    CalculusDisplay *getCalculusDisplay() const { return calculusDisplay; }
    void toggleDisplay();
    void update_display();
    void updateGivenName();
    void setGivenName(const QString &s);
    bool inReport() const;
    bool nodInReport() const;
    bool vecInReport() const;
    bool graphInReport() const;
    void setInReport(bool b);
    void setNodInReport(bool b);
    void setVecInReport(bool b);
    void setGraphInReport(bool b);
    void setInvertGraph(bool b);
    static Calculus *calculusUnderMouse();
    static void setCalculusUnderMouse(Calculus *c);
    void setMousePressPos(QPointF p) { mousePressPos = p; }
    QPointF getMousePressPos() const { return mousePressPos; }
    void display() const;

    // Texts: the item line of the problem text, identifier, description, documentation.
    QString getCaractToSave();
    QString getID();
    QString problemDocument();
    QString textDocumentation() const;
    QString latexDocumentation() const { return latexDoc; }
    QString algString() const { return QStringLiteral("N/A"); }

    QVector<QVector<double>> M;
    int rows = 0;
    int cols = 0;
    int nbArgs = 0;
    QString argDescription1, argDescription2, argDescription3, argDescription4;
    QString latexDoc;
    QString textDoc;
    std::atomic<int> lastGraphID{0};
    int x = 100;
    int y = 100;
    int w = 80;
    int h = 80;
    QString name;
    QString givenName;
    CalculusDisplay *calculusDisplay = nullptr;
    Graph *graph = nullptr;
    bool graphical = false;
    bool selected = false;
    bool selectable = true;
    Calculus *arg1 = nullptr;
    Calculus *arg2 = nullptr;
    Calculus *arg3 = nullptr;
    Calculus *arg4 = nullptr;
    Link *link1 = nullptr;
    Link *link2 = nullptr;
    Link *link3 = nullptr;
    Link *link4 = nullptr;
    QList<Link *> links;
    std::atomic<bool> error{false};
    std::atomic<bool> bestError{false};
    std::atomic<bool> crucial{false};
    int saveIndex = 0;
    /// "Invariant", "Operator", "Family", "Constraint", "Z" or "INFO".
    QString typeName;
    QString savedTooltip;
    // std::mutex rather than QMutex: the thread sanitizer sees its ordering, which it cannot
    // see through Qt 5's uninstrumented QMutex.
    std::mutex computeMutex;
    std::mutex valueMutex;
    std::atomic<bool> inReportFlag{false};
    std::atomic<bool> nodInReportFlag{false};
    std::atomic<bool> vecInReportFlag{false};
    std::atomic<bool> graphInReportFlag{false};
    std::atomic<bool> invertGraphFlag{false};
    QString ID;
    QString sRows;
    QString sCols;
    QPointF mousePressPos;

    static Calculus *calculus_under_mouse;

protected:
    /// Constructor steps shared by the item classes: name and documentation, then with
    /// graphics the dialog (explorer settings per `report`, "Complement" offered when
    /// `offerComplement`) and the board placement.
    void initItem(const QString &keyword, const QString &latex, const QString &text,
                  bool isGraphical, Report report, bool offerComplement);
    /// Category base set-up: the type text, a random position in 0..199 (x drawn first) and
    /// the 120 x 60 box.
    void setCategory(const QString &typeText);
    /// Board flags, cache, z value, position, visibility and tool tip of a graphical item.
    void placeOnBoard();
    /// The graph as read once for this computation, complemented when the item's complement
    /// flag is set; an empty graph when the item has none. Call from recompute() only.
    const BitGraph &readGraph();
    /// Error exit of recompute(): error flag, empty value, and the tool tip to show.
    void fail(const QString &tip = QString());
    /// Guard of a recompute() reached without a graph (compute() never does that): the error
    /// exit, and `line`, when given, on standard error. True when the item has no graph.
    bool missingGraph(const char *line = nullptr);

    // Argument protocol shared by the category bases.
    bool takeLink(int k, Link *link);
    bool takeArg(int k, Calculus *item);
    bool takeLinkTo(Link *link);

    // Drawing parts shared by the category bases.
    double shownValue() const;
    int shownRows() const;
    int shownCols() const;
    bool shownComplement() const;
    /// Body brush (selection, best error or normal colours, in that priority) and black pen.
    void setBodyBrush(QPainter *p, qreal radius, QPointF centre, QPointF focal,
                      const QColor &errorRim, const QColor &errorCentre, const QColor &rim,
                      const QColor &centreColour) const;
    void paintGivenName(QPainter *p, const QColor &rim, const QColor &centre) const;
    void paintReportStar(QPainter *p) const;
    void paintComplementMark(QPainter *p, const QRectF &circle, const QRectF &letter) const;

private:
    void publishToDisplay();

    BitGraph graphBits;
    std::atomic<bool> computedOnce{false};
};
