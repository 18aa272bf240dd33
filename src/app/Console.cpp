#include "app/Console.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>

Console::Console(QWidget *parent)
    : QWidget(parent), m_text(new QPlainTextEdit), m_debug(new QCheckBox(tr("Debug"))),
      m_verbosity(new QSpinBox), m_worker(new QComboBox)
{
    setWindowTitle(tr("Console"));
    m_text->setReadOnly(true);
    m_text->setMaximumBlockCount(maxLines());
    m_verbosity->setRange(0, 6);
    m_verbosity->setValue(1);
    m_worker->addItem(tr("All workers"), -1);
    for (int w = 0; w < 4; ++w)
        m_worker->addItem(tr("Worker %1").arg(w), w);

    auto *filters = new QHBoxLayout;
    filters->addWidget(m_debug);
    filters->addWidget(new QLabel(tr("Verbosity")));
    filters->addWidget(m_verbosity);
    filters->addWidget(m_worker);
    filters->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_text);
    resize(640, 400);
}

int Console::lineCount() const
{
    return m_text->document()->isEmpty() ? 0 : m_text->document()->blockCount();
}

QString Console::text() const
{
    return m_text->toPlainText();
}

void Console::setDebug(bool on)
{
    m_debug->setChecked(on);
}

void Console::setVerbosity(int level)
{
    m_verbosity->setValue(level);
}

void Console::setWorker(int worker)
{
    const int index = m_worker->findData(worker);
    m_worker->setCurrentIndex(index < 0 ? 0 : index);
}

bool Console::shown(bool debug, int level, int worker) const
{
    if (debug && !m_debug->isChecked())
        return false;
    if (level > m_verbosity->value())
        return false;
    const int only = m_worker->currentData().toInt();
    return worker < 0 || only < 0 || worker == only;
}

void Console::append(QString text, bool debug, int level, QColor colour)
{
    append(text, debug, level, colour, -1);
}

void Console::append(QString text, bool debug, int level, QColor colour, int worker)
{
    if (!shown(debug, level, worker))
        return;
    // A multi-line message (the board listing) stays one message of several lines.
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    m_text->appendHtml(QStringLiteral("<span style=\"color:%1; white-space:pre\">%2</span>")
                           .arg(colour.isValid() ? colour.name() : QStringLiteral("#000000"),
                                html));
}
