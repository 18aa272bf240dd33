#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;

/// The console window: every component's messages, in their colours, filtered as they
/// arrive by the debug flag, the verbosity (levels 0..6) and the worker number. It keeps at
/// most maxLines() lines, the oldest going first, so a long search cannot grow it unbounded.
class Console : public QWidget
{
    Q_OBJECT
public:
    explicit Console(QWidget *parent = nullptr);

    static int maxLines() { return 5000; }
    int lineCount() const;
    /// The kept text, one message per line.
    QString text() const;

    void setDebug(bool on);
    void setVerbosity(int level);
    /// -1 shows every worker; messages without a worker number always pass.
    void setWorker(int worker);

public slots:
    void append(QString text, bool debug, int level, QColor colour);
    void append(QString text, bool debug, int level, QColor colour, int worker);

private:
    bool shown(bool debug, int level, int worker) const;

    QPlainTextEdit *m_text;
    QCheckBox *m_debug;
    QSpinBox *m_verbosity;
    QComboBox *m_worker;
};
