#pragma once

#include <QString>
#include <QWidget>

class BuildCalculus;
class Problem;
class QTextBrowser;

/// The documentation report of the current problem: title and description, the board's
/// algebraic definition, the catalogue's six sections, the conjectures found and a picture of
/// the white board. Shown in its own window, printed, or written to PDF.
class Report : public QWidget
{
    Q_OBJECT
public:
    Report(Problem *board, const BuildCalculus *catalogue, QWidget *parent = nullptr);

    /// Rebuilds the report from the board as it stands; conjectures holds one relation a line.
    void rebuild(const QString &conjectures);
    QString toPlainText() const;
    /// Writes the report as PDF; false (the previous file intact) when it could not be written.
    bool printToFile(const QString &fileName);

public slots:
    void slot_print();
    void slot_save_pdf();

signals:
    /// The user asked for the report to be brought up to date.
    void signal_update_requested();

private:
    Problem *m_board;
    const BuildCalculus *m_catalogue;
    QTextBrowser *m_text;
};
