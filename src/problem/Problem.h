#pragma once

#include "problem/ProblemText.h"

#include <QColor>
#include <QGraphicsView>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <mutex>
#include <thread>

class Calculus;
class Eval;
class Graph;
class QGraphicsRectItem;
class QGraphicsScene;
class infoEDGE;
class infoNODE;

/// The white board: owns the items of one problem in four ordered lists (invariants and
/// operators in evaluation order, families, constraints, objectives) and four fixed
/// information items, evaluates them on its graph and reads and writes the problem text.
/// A display board also draws them in its scene; a search worker evaluates a clone without
/// display. compute(), eval(), the pattern and the factors touch no widget and take no lock
/// of the board. best_backup() takes the board mutex, and so does every operation that
/// changes the lists or the links (reading a text, clearing, adding, linking, deleting), so
/// that a search worker publishing into the board never meets a half-changed list; a
/// publication asked for on the editing thread during such an edit runs once it ends.
class Problem : public QGraphicsView
{
    Q_OBJECT
public:
    Problem(Graph *graph, QString name, bool display);
    ~Problem() override;

    /// A new board without display holding the same problem, attached to the same graph, with
    /// the same node count; no evaluation limit. The caller owns it.
    Problem *clone();

    // Items and links.
    void addInvariantItem(Calculus *item);
    void addInvariantItemLoadMode(Calculus *item);
    void addOperatorItem(Calculus *item);
    void addFamilyItem(Calculus *item);
    void addConstraintItem(Calculus *item);
    void addZItem(Calculus *item);
    /// Makes `from` argument 1 of `to`; a second request from the same source unlinks. Then
    /// the whole board is recomputed.
    void link1(Calculus *from, Calculus *to);
    void link2(Calculus *from, Calculus *to);
    void link3(Calculus *from, Calculus *to);
    void link4(Calculus *from, Calculus *to);
    void setGraph(Graph *g);
    /// Deletes every listed item; the information items, title and description stay.
    void clear();
    void update_display();

    // Evaluation.
    /// Full (true: every item, forced) or fast (false: only what objectives and constraints
    /// need) computation, in board order.
    bool compute(bool all);
    /// Fast computation, then the record: error flag, constraint amounts (the board's last
    /// constraint first), objective vectors. Counts one evaluation.
    void eval(Eval *record);
    /// Under the board mutex: full computation, values to every dialog, one evaluation, and
    /// the violation state, colours, labels and edge data to the graph.
    void best_backup();
    void setNbNod(int n) { nbNod = n; }
    int getNbNod() const { return nbNod; }
    void resetNbEvals();
    int nbEvals() const { return m_nbEvals.load(std::memory_order_relaxed); }
    int maxEvals() const { return m_maxEvals.load(std::memory_order_relaxed); }
    /// maxEvals is not 0 and the counter has reached it.
    bool isMaxEvalsReached() const;
    bool needOptimization() const { return !objectives.isEmpty() || !constraints.isEmpty(); }
    /// getObj() of every objective: 1 minimise, -1 maximise, 0 both.
    QVector<int> getOptimizationPattern() const;
    /// Factor i to objective i, only when there is exactly one factor per objective (>= 1).
    void setOptFactors(QVector<double> factors);

    // Problem text.
    QString saveString();
    /// Replaces the board's problem by the text's. On any failure the board is left as it
    /// was, the failure is reported and the result is false.
    bool openString(QString text);

    // Access.
    const QVector<Calculus *> &getItems() const { return items; }
    const QVector<Calculus *> &getFamilies() const { return families; }
    const QVector<Calculus *> &getConstraints() const { return constraints; }
    const QVector<Calculus *> &getObjectives() const { return objectives; }
    infoNODE *getColors() const { return Colors; }
    infoNODE *getLabels() const { return Labels; }
    infoEDGE *getELabels() const { return E_Labels; }
    infoEDGE *getEHilights() const { return E_Hilights; }
    QString getName() const { return name; }
    QString getDescription() const { return description; }
    void setTitle(const QString &t) { title = t; }
    void setDescription(const QString &d) { description = d; }
    void setWD(const QString &wd) { workingDirectory = wd; }
    QString getWD() const { return workingDirectory; }
    bool isDisplay() const { return displayed; }
    QGraphicsScene *getScene() const { return scene; }
    QGraphicsRectItem *getRubberBand() const { return rubberBand; }

    // Problem files: the problem text as Latin-1, written through a temporary file.
    /// Writes the problem text to fileName; false when the file could not be written whole,
    /// the previous file then being intact.
    bool save(QString fileName);
    /// Replaces the board by the problem of the file; false when the file cannot be read or
    /// its text is refused, the board then being as it was.
    bool open(QString fileName);
    /// Writes the hidden autosave file whole; false when it could not be written, the previous
    /// file then being intact and `error`, when given, saying why. The working directory is kept
    /// either way. `written`, when given, receives the bytes written.
    bool autosave(QString *error = nullptr, QByteArray *written = nullptr);
    bool autoload();
    /// The hidden autosave file: ".mvxpb" in the working directory, or in the current
    /// directory when the working directory is empty.
    QString autosavePath() const;
    QString getFileName() const { return fileName; }

    // Report and description texts; they read the values of the last computation.
    /// Column names of the graph-values (false) or vertex-values (true) explorer.
    QStringList getReportNames(bool vertexMode);
    QVector<double> getReportValues();
    /// The row of the 1-based vertex v.
    QVector<double> getReportValues(int v);
    QString algDefinition();
    QString currentDescription();
    /// The board listing to standard error and to the console (debug flag as given).
    void display(bool debug);
    QString userTitle() const { return title; }
    QString userDescription() const { return description; }

    /// Zooms by factor, refused when the scale would leave [0.07, 100].
    void scaleView(double factor);

public slots:
    void slot_save();
    void slot_open();
    void slot_set_title(QString t);
    void slot_set_description(QString d);
    void slot_print();
    void slot_delete_items();
    void slot_unselect_all();
    void slot_select_all();
    void slot_invert_selection();
    void slot_move_all(double dx, double dy);
    void slot_move_selected(double dx, double dy);
    void slot_alignX();
    void slot_alignY();
    void slot_spaceX();
    void slot_spaceY();
    /// best_backup(), then every item repaints its value.
    void slot_best_backup();
    void slot_refresh();
    void slot_set_max_eval(int max);
    void slot_link1();
    void slot_link2();
    void slot_link3();
    void slot_link4();

signals:
    void signal_start_vns();
    void signal_stop_vns();
    void signal_console(QString text, bool debug, int level, QColor colour);
    void signal_solution(QString graph);
    void signal_problem_description(QString description);
    void signal_problem_title(QString title);
    /// From every evaluation at or past a limit that is not 0.
    void signal_max_eval_reached();
    /// The explorers' columns changed: an item's dialog changed what it reports, or a problem
    /// was opened.
    void signal_report_changed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    bool readText(const QString &path, QString &text) const;
    void adoptFileName(const QString &chosen);
    /// The board item that is the scene item, or null (links, rubber band).
    Calculus *boardItem(QGraphicsItem *item) const;
    /// Selected board items in the spacing order: each list from its last member to its
    /// first, then the info items.
    QVector<Calculus *> selectedBackwards() const;
    /// Members of the items, families and objectives lists that go to the explorers.
    QVector<Calculus *> reportedItems() const;
    void selectEvery(bool s);
    void moveItems(double dx, double dy, bool selectedOnly);
    void alignOn(bool alongX);
    void spaceOut(bool alongX);
    void addItem(QVector<Calculus *> &list, int position, Calculus *item, double z, bool select);
    void linkK(int k, Calculus *from, Calculus *to);
    void slotLink(int k);
    void allItems(QVector<Calculus *> &out) const;
    /// Builds the problem of a text that was read whole.
    void placeText(const ProblemText &text);
    /// Position, report flags, complement and given name of an item record; the constant's
    /// record leaves the graph-value flag alone.
    void applyRecord(Calculus *item, const ProblemText::Item &record, bool graphValue);
    void reportFailure(const QString &console, const QString &standardError);

    QGraphicsScene *scene = nullptr;
    Graph *graph = nullptr;
    QString name;
    QString fileName;
    QString baseName;
    bool displayed = false;
    QString workingDirectory;
    // Lock order: worker mutex, archive mutex, board mutex, then the graph's mutexes.
    std::mutex boardMutex;
    /// Holds the board mutex for an edit of the lists or links; nested edits on the same
    /// thread pass through.
    class EditScope
    {
    public:
        explicit EditScope(Problem &board) : board(board), outermost(board.beginEdit()) {}
        ~EditScope()
        {
            if (outermost)
                board.endEdit();
        }
        EditScope(const EditScope &) = delete;
        EditScope &operator=(const EditScope &) = delete;

    private:
        Problem &board;
        const bool outermost;
    };
    /// False, taking nothing, when this thread is already inside an edit.
    bool beginEdit();
    /// Releases the mutex, then makes the publication asked for during the edit.
    void endEdit();
    // The thread inside an edit holding boardMutex, and whether it asked for a publication.
    std::atomic<std::thread::id> editor{};
    bool publishPending = false;
    bool repaintPending = false;
    // While a text is placed the board is computed once at the end, not after every link.
    bool placingText = false;
    bool computeAfterPlacing = false;
    bool altPressed = false;
    bool ctrlPressed = false;
    QPointF pressScenePos;
    double maxDragDist2 = 0;
    bool rubberBandActive = false;
    QPoint lastMousePos;
    QGraphicsRectItem *rubberBand = nullptr;
    int nbNod = 10;
    // The fast-mode marking depends only on the lists and links: made once per change of them.
    bool fastMarked = false;
    int markedSizes[4] = {-1, -1, -1, -1};
    bool fastMarkingCurrent() const;
    QVector<Calculus *> items;
    QVector<Calculus *> families;
    QVector<Calculus *> constraints;
    QVector<Calculus *> objectives;
    infoNODE *Labels = nullptr;
    infoNODE *Colors = nullptr;
    infoEDGE *E_Labels = nullptr;
    infoEDGE *E_Hilights = nullptr;
    QString description;
    QString title;
    std::atomic<int> m_nbEvals{0};
    std::atomic<int> m_maxEvals{0};
};
