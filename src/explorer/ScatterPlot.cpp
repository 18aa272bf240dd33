#include "explorer/ScatterPlot.h"

#include "explorer/Analyst.h"
#include "explorer/RowFilterModel.h"
#include "common/Prompts.h"
#include "common/writeWholeFile.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <cmath>

using namespace QtCharts;

namespace
{
bool plottable(double v)
{
    return std::isfinite(v) && std::fabs(v) < 1e12;
}
} // namespace

ScatterPlot::ScatterPlot(Analyst *table, RowFilterModel *rows, QWidget *parent)
    : QWidget(parent), m_table(table), m_rows(rows)
{
    m_xBox = new QComboBox;
    m_yBox = new QComboBox;
    auto *reset = new QPushButton(tr("Reset zoom"));
    auto *pdf = new QPushButton(tr("Export PDF"));
    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("X")));
    bar->addWidget(m_xBox, 1);
    bar->addWidget(new QLabel(tr("Y")));
    bar->addWidget(m_yBox, 1);
    bar->addWidget(reset);
    bar->addWidget(pdf);

    m_chart = new QChart;
    m_chart->legend()->hide();
    m_series = new QScatterSeries;
    m_series->setMarkerSize(7);
    m_series->setBorderColor(Qt::transparent);
    m_highlightSeries = new QScatterSeries;
    m_highlightSeries->setMarkerSize(12);
    m_highlightSeries->setColor(Qt::red);
    m_chart->addSeries(m_series);
    m_chart->addSeries(m_highlightSeries);
    m_xAxis = new QValueAxis;
    m_yAxis = new QValueAxis;
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    for (QScatterSeries *s : {m_series, m_highlightSeries}) {
        s->attachAxis(m_xAxis);
        s->attachAxis(m_yAxis);
    }
    m_view = new QChartView(m_chart);
    m_view->setRubberBand(QChartView::RectangleRubberBand);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);

    connect(m_xBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int c) { setAxes(c, m_y); });
    connect(m_yBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int c) { setAxes(m_x, c); });
    connect(reset, &QPushButton::clicked, this, [this] { m_chart->zoomReset(); });
    connect(pdf, &QPushButton::clicked, this, &ScatterPlot::slot_export_pdf);
    for (QScatterSeries *s : {m_series, m_highlightSeries}) {
        connect(s, &QScatterSeries::hovered, this, [this](const QPointF &p, bool on) {
            const int row = rowNear(p);
            if (!on || row < 0) {
                QToolTip::hideText();
                return;
            }
            QToolTip::showText(QCursor::pos(),
                               tr("Graph %1: (%2, %3)")
                                   .arg(m_table->graphNo(row))
                                   .arg(p.x(), 0, 'g', 6)
                                   .arg(p.y(), 0, 'g', 6),
                               m_view);
        });
    }
    connect(m_rows, &RowFilterModel::signal_rows_changed, this, &ScatterPlot::slot_refresh);
}

void ScatterPlot::fillAxisChoices()
{
    const QStringList header = m_table->getHeader();
    for (QComboBox *box : {m_xBox, m_yBox}) {
        box->clear();
        box->addItems(header);
    }
    // A new table keeps the chosen columns while they still exist, else takes the first two.
    if (m_x >= header.size() || m_x < 0)
        m_x = header.isEmpty() ? -1 : 0;
    if (m_y >= header.size() || m_y < 0)
        m_y = header.size() > 1 ? 1 : m_x;
    m_xBox->setCurrentIndex(m_x);
    m_yBox->setCurrentIndex(m_y);
}

void ScatterPlot::setAxes(int xColumn, int yColumn)
{
    m_x = xColumn;
    m_y = yColumn;
    m_xBox->setCurrentIndex(xColumn);
    m_yBox->setCurrentIndex(yColumn);
    m_stale = true;
    rebuild();
}

void ScatterPlot::slot_refresh()
{
    m_stale = true;
    if (isVisible())
        rebuild();
}

void ScatterPlot::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_stale)
        rebuild();
}

void ScatterPlot::rebuild()
{
    QStringList choices;
    for (int k = 0; k < m_xBox->count(); ++k)
        choices << m_xBox->itemText(k);
    if (choices != m_table->getHeader() || m_x >= m_xBox->count() || m_y >= m_yBox->count())
        fillAxisChoices();
    m_stale = false;
    m_pressedPoint = -1;
    m_points.clear();
    m_pointRows.clear();
    const int columns = m_table->getHeader().size();
    if (m_x >= 0 && m_y >= 0 && m_x < columns && m_y < columns) {
        for (int r : m_rows->keptRows()) {
            const QVector<double> &line = m_table->getLine(r);
            if (m_x < line.size() && m_y < line.size() && plottable(line[m_x]) &&
                plottable(line[m_y])) {
                m_points << QPointF(line[m_x], line[m_y]);
                m_pointRows << r;
            }
        }
    }
    m_series->replace(m_points);
    m_xAxis->setTitleText(m_x >= 0 ? m_xBox->itemText(m_x) : QString());
    m_yAxis->setTitleText(m_y >= 0 ? m_yBox->itemText(m_y) : QString());
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    if (!m_points.isEmpty()) {
        x0 = x1 = m_points[0].x();
        y0 = y1 = m_points[0].y();
        for (const QPointF &p : m_points) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    }
    // A margin of one twentieth keeps the extreme points off the frame.
    const double mx = x1 > x0 ? (x1 - x0) / 20 : 1, my = y1 > y0 ? (y1 - y0) / 20 : 1;
    m_chart->zoomReset();
    m_xAxis->setRange(x0 - mx, x1 + mx);
    m_yAxis->setRange(y0 - my, y1 + my);
    rebuildHighlight();
}

void ScatterPlot::rebuildHighlight()
{
    QVector<QPointF> marked;
    if (m_highlight != 0)
        for (int k = 0; k < m_points.size(); ++k)
            if (m_table->graphNo(m_pointRows[k]) == m_highlight)
                marked << m_points[k];
    m_highlightSeries->replace(marked);
}

void ScatterPlot::setHighlightGraph(int graphNo)
{
    m_highlight = graphNo;
    if (m_stale && isVisible())
        rebuild();
    else
        rebuildHighlight();
}

QVector<QPointF> ScatterPlot::highlightedPoints() const
{
    return m_highlightSeries->pointsVector();
}

int ScatterPlot::rowNear(QPointF p) const
{
    // Distances in units of the visible range, so that both axes weigh alike.
    const double sx = std::max(m_xAxis->max() - m_xAxis->min(), 1e-12);
    const double sy = std::max(m_yAxis->max() - m_yAxis->min(), 1e-12);
    int best = -1;
    double bestD = 0;
    for (int k = 0; k < m_points.size(); ++k) {
        const double dx = (m_points[k].x() - p.x()) / sx, dy = (m_points[k].y() - p.y()) / sy;
        const double d = dx * dx + dy * dy;
        if (best < 0 || d < bestD) {
            best = k;
            bestD = d;
        }
    }
    return best < 0 ? -1 : m_pointRows[best];
}

void ScatterPlot::pick(QPointF p)
{
    const int row = rowNear(p);
    if (row >= 0)
        emit signal_graph_picked(m_table->graphNo(row));
}

int ScatterPlot::pointAt(QPoint pos) const
{
    const QRectF area = m_chart->plotArea();
    const QPointF inChart = m_chart->mapFromScene(m_view->mapToScene(pos));
    if (!area.contains(inChart) || m_points.isEmpty())
        return -1;
    const QPointF value = m_chart->mapToValue(inChart, m_series);
    const double perX = area.width() / std::max(m_xAxis->max() - m_xAxis->min(), 1e-300);
    const double perY = area.height() / std::max(m_yAxis->max() - m_yAxis->min(), 1e-300);
    // Pixels: half the largest marker and a little slack for the hand.
    const double reach = m_highlightSeries->markerSize() / 2 + 2;
    int best = -1;
    double bestD = reach * reach;
    for (int k = 0; k < m_points.size(); ++k) {
        const double dx = (m_points[k].x() - value.x()) * perX;
        const double dy = (m_points[k].y() - value.y()) * perY;
        const double d = dx * dx + dy * dy;
        if (d <= bestD) {
            best = k;
            bestD = d;
        }
    }
    return best;
}

bool ScatterPlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view->viewport() || m_forwarding)
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_pressedPoint = pointAt(mouse->pos());
        m_pressPos = mouse->pos();
        return m_pressedPoint >= 0;
    }
    if (type == QEvent::MouseMove && m_pressedPoint >= 0 &&
        (mouse->pos() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        // A drag after all: the zoom rectangle starts where the button went down.
        m_pressedPoint = -1;
        QMouseEvent press(QEvent::MouseButtonPress, m_pressPos,
                          m_view->viewport()->mapToGlobal(m_pressPos), Qt::LeftButton,
                          Qt::LeftButton, mouse->modifiers());
        m_forwarding = true;
        QCoreApplication::sendEvent(m_view->viewport(), &press);
        m_forwarding = false;
        return false;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        m_pressedPoint >= 0) {
        const int row = m_pointRows[m_pressedPoint];
        m_pressedPoint = -1;
        emit signal_graph_picked(m_table->graphNo(row));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ScatterPlot::exportPdf(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    if (m_stale)
        rebuild();
    return writePdfPage(fileName, 300, [this](QPainter &painter) {
        // A plot never shown has no size of its own: it is drawn on a page-like canvas.
        const QSize size = m_view->isVisible() ? m_view->size() : QSize(1000, 700);
        if (!m_view->isVisible()) {
            m_view->resize(size);
            m_chart->resize(size);
            m_view->setSceneRect(QRectF(QPointF(0, 0), size));
        }
        m_view->render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
    });
}

void ScatterPlot::slot_export_pdf()
{
    const QString name =
        Prompts::instance().saveFileName(this, tr("Export plot as"), m_wd, QStringLiteral("*.pdf"));
    if (name.isEmpty())
        return;
    if (!exportPdf(name))
        Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"),
                                    tr("Failed to export plot."));
}
