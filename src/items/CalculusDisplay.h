#pragma once

#include <QDialog>
#include <QMetaObject>
#include <QString>
#include <QVector>

#include <atomic>

class Graph;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

/// The "Item information" dialog of an item: given name, explorer and complement settings,
/// the values last published for the best graph, and the item's description.
/// The check-box states are mirrored in atomics so that computations running outside the
/// GUI thread can read them without touching a widget. The controls of the full dialog are
/// built when it is first shown (or its grid asked for); until then its settings are kept
/// without widgets and read the same.
class CalculusDisplay : public QDialog
{
    Q_OBJECT
public:
    CalculusDisplay(QString name, QString description);
    /// A bare dialog without controls, for subclasses that build their own at once.
    CalculusDisplay();
    virtual ~CalculusDisplay();

    virtual bool clone();
    virtual void setNbRows(int n);
    virtual void setNbColumns(int n);
    /// Shows the top-left rows x cols block of m (at most 32 x 32) and keeps a copy of it.
    virtual void setValues(const QVector<QVector<double>> &m, int rows, int cols);
    virtual void setObjMin(bool);
    virtual bool getObjMin();
    virtual void setObjMax(bool);
    virtual bool getObjMax();
    virtual QVector<QVector<double>> &getM();
    virtual void setGraph(Graph *g);
    virtual void loadData(int rows, int cols, QVector<double> values);

    int getNbRows() const { return nbRows; }
    int getNbCols() const { return nbCols; }
    /// Row 1, column 1 of the values last shown.
    double getValue() const { return values[0][0]; }
    /// The name in the line edit, made safe for the problem text (see fieldSafe).
    QString givenName() const;
    void setGivenName(const QString &s);
    /// `name` with every "<NEW>", tab and line feed replaced by a blank: the problem text
    /// separates its records and fields by them and escapes nothing.
    static QString fieldSafe(const QString &name);
    void setDescription(const QString &d) { description = d; }
    QString getDescription() const { return description; }
    /// The item's keyword, shown in the keyword label.
    void setName(const QString &n);

    bool inReport() const { return inReportState; }
    bool graphInReport() const { return graphInReportState; }
    bool nodInReport() const { return nodInReportState; }
    bool vecInReport() const { return vecInReportState; }
    bool invertGraph() const { return invertGraphState; }
    void setInReport(bool b);
    void setGraphInReport(bool b);
    void setNodInReport(bool b);
    void setVecInReport(bool b);
    void setInvertGraph(bool b);
    void enableReport(bool b);
    void enableNatureInReport(bool b);
    void enableInvertGraph(bool b);
    void disconnectReport();

    /// The value table, built with the other controls if they are not yet.
    QTableWidget *valueGrid();
    /// Builds the controls of the full dialog once; the bare dialog has none to build.
    void buildControls();
    void setVisible(bool visible) override;

signals:
    void signal_refresh();
    /// The user changed what the item gives the explorers ("Insert in explorer" or its kind).
    void signal_report_changed();

public slots:
    virtual void slot_apply();
    void slot_refresh();

protected:
    /// Keeps the atomic mirrors in step with the boxes; subclasses call it after building
    /// boxes of their own.
    void trackBoxes();

    QString name;
    QString description;
    QLabel *keywordLabel = nullptr;
    QLineEdit *le_name = nullptr;
    QCheckBox *cbInReport = nullptr;
    QCheckBox *cbInvert = nullptr;
    QCheckBox *cbNode = nullptr;
    QCheckBox *cbVector = nullptr;
    QCheckBox *cbGraph = nullptr;
    QTableWidget *grid = nullptr;
    QVector<QVector<double>> values;
    int nbRows = 0;
    int nbCols = 0;
    Graph *graph = nullptr;
    QLabel *givenNameLabel = nullptr;

private:
    /// The full dialog whose controls are not built yet.
    bool waitingForControls() const;
    void setNature(QCheckBox *box, std::atomic<bool> &state, bool b);

    const bool lazyControls = false;
    bool controlsBuilt = false;
    /// What the controls show once built.
    struct {
        QString givenName;
        QString keyword = QStringLiteral("NA");
        bool reportEnabled = true;
        bool natureEnabled = false;
        bool invertEnabled = false;
        bool natureLinked = true;
    } pending;
    QButtonGroup *natureGroup = nullptr;
    QMetaObject::Connection natureLinks[3];
    std::atomic<bool> inReportState{false};
    std::atomic<bool> invertGraphState{false};
    std::atomic<bool> nodInReportState{false};
    std::atomic<bool> vecInReportState{false};
    std::atomic<bool> graphInReportState{false};
};
