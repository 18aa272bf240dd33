#pragma once

#include <QPointF>
#include <QVector>
#include <QWidget>

class Analyst;
class QComboBox;
class RowFilterModel;

namespace QtCharts
{
class QChart;
class QChartView;
class QScatterSeries;
class QValueAxis;
} // namespace QtCharts

/// X-Y scatter plot of two columns of an explorer's table, over the rows its filter keeps.
/// Values that are missing, not finite or at the undefined value 1e12 give no point.
/// Drag a rectangle to zoom, "Reset zoom" to see all; a click on a point picks its graph,
/// hovering shows it. Points are rebuilt only while the plot is visible.
class ScatterPlot : public QWidget
{
    Q_OBJECT
public:
    ScatterPlot(Analyst *table, RowFilterModel *rows, QWidget *parent = nullptr);

    /// Columns on the axes; -1 leaves an axis empty.
    void setAxes(int xColumn, int yColumn);
    int xColumn() const { return m_x; }
    int yColumn() const { return m_y; }
    /// The points shown and the table row of each.
    const QVector<QPointF> &points() const { return m_points; }
    const QVector<int> &pointRows() const { return m_pointRows; }
    /// Table row of the point nearest to p in plot values (axes scaled to the visible range),
    /// -1 when there is none.
    int rowNear(QPointF p) const;
    /// Picks the point nearest to p: emits signal_graph_picked with its graph number.
    void pick(QPointF p);
    /// Index in points() of the point drawn nearest to pos (chart view viewport pixels), at
    /// most a marker's reach away; -1 when there is none.
    int pointAt(QPoint pos) const;
    QtCharts::QChartView *chartView() const { return m_view; }
    /// Draws the points of graph graphNo highlighted (0 for none).
    void setHighlightGraph(int graphNo);
    QVector<QPointF> highlightedPoints() const;
    /// Renders the plot into a PDF file; false when it could not be written.
    bool exportPdf(const QString &fileName);
    void setWD(const QString &wd) { m_wd = wd; }

public slots:
    void slot_refresh();
    void slot_export_pdf();

signals:
    void signal_graph_picked(int graphNo);

protected:
    void showEvent(QShowEvent *e) override;
    /// Clicks on the chart view: the view takes every press in the plot for its zoom
    /// rectangle, so a press on a point is held back and picks it on release, unless the
    /// mouse moves away and the zoom starts after all.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillAxisChoices();
    void rebuild();
    void rebuildHighlight();

    Analyst *m_table;
    RowFilterModel *m_rows;
    QComboBox *m_xBox;
    QComboBox *m_yBox;
    QtCharts::QChart *m_chart;
    QtCharts::QChartView *m_view;
    QtCharts::QScatterSeries *m_series;
    QtCharts::QScatterSeries *m_highlightSeries;
    QtCharts::QValueAxis *m_xAxis;
    QtCharts::QValueAxis *m_yAxis;
    int m_x = -1;
    int m_y = -1;
    int m_highlight = 0;
    bool m_stale = true;
    int m_pressedPoint = -1;
    QPoint m_pressPos;
    bool m_forwarding = false;
    QVector<QPointF> m_points;
    QVector<int> m_pointRows;
    QString m_wd;
};
