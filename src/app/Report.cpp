#include "app/Report.h"

#include "common/Prompts.h"
#include "common/writeWholeFile.h"
#include "catalogue/BuildCalculus.h"
#include "problem/Problem.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>

#include <memory>

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

/// The resolution of a document's own units (an image's pixels among them) for
/// QTextDocument::print: the primary screen's logical one, 96 under Qt::AA_Use96Dpi, as Qt's
/// qt_defaultDpiX and qt_defaultDpiY, which are not public, give it.
int documentDpi(Qt::Orientation orientation)
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 100;
    return qRound(orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                                : screen->logicalDotsPerInchY());
}

/// The width of the text, in the document's units, on the pages that QTextDocument::print
/// lays out a document that is not paginated (as a text browser's is) on, as Qt 5.15 does it:
/// the printer's page less its margins (2 mm each when it has none: print then sets them, and
/// they are set here first, the same), less the 2 cm margins that print gives the document's
/// frame on either side.
qreal printedTextWidth(QPrinter &printer)
{
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    if (m.left() == 0 && m.right() == 0 && m.top() == 0 && m.bottom() == 0)
        printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    // Document units to the printer's dots, as the layout scales margins and images.
    const qreal dots = qreal(printer.logicalDpiY()) / documentDpi(Qt::Vertical);
    const qreal frameMargin = qRound(int(2 / 2.54 * documentDpi(Qt::Horizontal)) * dots);
    return (printer.width() - 2 * frameMargin) / dots;
}

/// The size of an image of the document in the document's units, as the layout gives it: the
/// width and height set, else the picture's own, in proportion when one of them is set.
QSizeF imageSize(const QTextDocument *document, const QTextImageFormat &format)
{
    const QVariant data = document->resource(QTextDocument::ImageResource, QUrl(format.name()));
    QSizeF own;
    if (data.userType() == QMetaType::QImage) {
        const QImage image = data.value<QImage>();
        own = QSizeF(image.size()) / image.devicePixelRatio();
    } else if (data.userType() == QMetaType::QPixmap) {
        const QPixmap pixmap = data.value<QPixmap>();
        own = QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
    }
    const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth);
    const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight);
    QSizeF size(format.width(), format.height());
    if (!hasWidth)
        size.setWidth(hasHeight && own.height() > 0 ? size.height() * own.width() / own.height()
                                                    : own.width());
    if (!hasHeight)
        size.setHeight(hasWidth && own.width() > 0 ? size.width() * own.height() / own.width()
                                                   : own.height());
    return size;
}

/// Narrows each image wider than `width` (document units) to it, keeping its proportions.
void fitImages(QTextDocument *document, qreal width)
{
    const qreal fit = qFloor(width);
    QVector<QPair<QTextFragment, QTextImageFormat>> wide;
    for (QTextBlock block = document->begin(); block != document->end(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QSizeF size = imageSize(document, format);
            if (fit < 1 || size.width() <= fit)
                continue;
            format.setWidth(fit);
            format.setHeight(size.height() * fit / size.width());
            wide.append({fragment, format});
        }
    for (const auto &image : wide) {
        QTextCursor cursor(document);
        cursor.setPosition(image.first.position());
        cursor.setPosition(image.first.position() + image.first.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(image.second);
    }
}

/// Prints the document, its pictures narrowed to the printed page's text so that none is cut
/// at the page's edge; the window's document keeps them as they are.
bool printDocument(QPrinter &printer, const QTextDocument *document)
{
    return printWhole(printer, [document](QPrinter &device) {
        const std::unique_ptr<QTextDocument> copy(document->clone());
        fitImages(copy.get(), printedTextWidth(device));
        copy->print(&device);
    });
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
