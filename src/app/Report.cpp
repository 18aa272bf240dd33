#include "app/Report.h"

#include "common/Prompts.h"
#include "common/writeWholeFile.h"
#include "catalogue/BuildCalculus.h"
#include "problem/Problem.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

QString paragraphs(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<p>") + html + QStringLiteral("</p>");
}

/// The board's items drawn into an image at most 800 pixels wide.
QImage boardPicture(Problem *board)
{
    QGraphicsScene *scene = board->getScene();
    if (!scene)
        return QImage();
    const QRectF source = scene->itemsBoundingRect().adjusted(-10, -10, 10, 10);
    if (source.isEmpty())
        return QImage();
    const double scale = qMin(1.0, 800.0 / source.width());
    QImage image((source.size() * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // An item's device cache for a render outside any view is never told that the item
    // changed once a view has repainted it: drawn from it, the picture keeps old values.
    const QList<QGraphicsItem *> items = scene->items();
    QVector<QGraphicsItem::CacheMode> modes;
    modes.reserve(items.size());
    for (QGraphicsItem *item : items) {
        modes << item->cacheMode();
        item->setCacheMode(QGraphicsItem::NoCache);
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene->render(&painter, QRectF(), source);
    }
    for (int k = 0; k < items.size(); ++k)
        items[k]->setCacheMode(modes[k]);
    return image;
}

bool printDocument(QPrinter &printer, QTextDocument *document)
{
    return printWhole(printer, [document](QPrinter &device) { document->print(&device); });
}

} // namespace

Report::Report(Problem *board, const BuildCalculus *catalogue, QWidget *parent)
    : QWidget(parent), m_board(board), m_catalogue(catalogue), m_text(new QTextBrowser)
{
    setWindowTitle(tr("Documentation report"));
    auto *update = new QPushButton(tr("Update"));
    auto *print = new QPushButton(tr("Print"));
    auto *pdf = new QPushButton(tr("Save as PDF"));
    connect(update, &QPushButton::clicked, this, &Report::rebuild);
    connect(print, &QPushButton::clicked, this, &Report::slot_print);
    connect(pdf, &QPushButton::clicked, this, &Report::slot_save_pdf);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(update);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(700, 800);
}

void Report::showEvent(QShowEvent *event)
{
    rebuild();
    QWidget::showEvent(event);
}

void Report::rebuild()
{
    const QString conjectures = m_conjectures ? m_conjectures() : QString();
    QString html;
    const QString title = m_board->userTitle();
    html += QStringLiteral("<h1>%1</h1>")
                .arg(title.isEmpty() ? tr("Untitled problem") : title.toHtmlEscaped());
    html += paragraphs(m_board->userDescription());
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Problem"));
    html += QStringLiteral("<pre>%1</pre>").arg(m_board->algDefinition().toHtmlEscaped());

    const char *sections[][2] = {{"InvariantsVal", "Values"}, {"InvariantsVec", "Vectors"},
                                 {"InvariantsMat", "Matrices"}, {"InvariantsFam", "Families"},
                                 {"Operators", "Operators"}, {"Constraints", "Constraints"}};
    for (const auto &s : sections) {
        html += QStringLiteral("<h2>%1</h2>").arg(QLatin1String(s[1]));
        html += paragraphs(m_catalogue->Documentation(QLatin1String(s[0])));
    }
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Conjectures"));
    html += paragraphs(conjectures);

    const QImage picture = boardPicture(m_board);
    if (!picture.isNull()) {
        m_text->document()->addResource(QTextDocument::ImageResource,
                                        QUrl(QStringLiteral("board.png")), picture);
        html += QStringLiteral("<p><img src=\"board.png\"></p>");
    }

    m_text->setHtml(html);
}

QString Report::toPlainText() const
{
    return m_text->toPlainText();
}

bool Report::printToFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return printDocument(printer, m_text->document());
}

void Report::slot_print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::instance().print(this, &printer))
        return;
    if (!printDocument(printer, m_text->document()))
        Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"),
                                    tr("Failed to print the report."));
}

void Report::slot_save_pdf()
{
    const QString name =
        Prompts::instance().saveFileName(this, tr("Save report as"), QString(), "*.pdf");
    if (name.isEmpty())
        return;
    if (!printToFile(name))
        Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"),
                                    tr("Failed to save the report."));
}
