#include "app/OptimizationPage.h"

#include "app/Controls.h"
#include "app/Workbench.h"
#include "common/ProgressBar.h"
#include "common/Prompts.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>

namespace
{
const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);
}

OptimizationPage::OptimizationPage(Workbench *bench, QAction *run, QAction *halt, QWidget *parent)
    : QWidget(parent), m_progress(new ProgressBar)
{
    Problem *board = bench->board();
    auto *title = new QLineEdit;
    title->setObjectName(QStringLiteral("Title"));
    auto *description = new QPlainTextEdit;
    description->setObjectName(QStringLiteral("Description"));
    description->setMaximumHeight(80);
    connect(title, &QLineEdit::textChanged, board, &Problem::slot_set_title);
    connect(description, &QPlainTextEdit::textChanged, board,
            [board, description] { board->slot_set_description(description->toPlainText()); });
    connect(board, &Problem::signal_problem_title, title, &QLineEdit::setText);
    connect(board, &Problem::signal_problem_description, description,
            &QPlainTextEdit::setPlainText);

    using Controls::checkBox;
    using Controls::spinBox;
    QSpinBox *threads = spinBox(QStringLiteral("Number of threads"), 1, 4, 4);
    // 0 stands for no limit, as the label says: the workers end a job when its time is up.
    QSpinBox *time = spinBox(QStringLiteral("Optimization time (sec 0:infty)"), 0, 10000000, 600);
    QSpinBox *evals = spinBox(QStringLiteral("Max evaluations (0:infty)"), 0, INT_MAX, 0);
    QSpinBox *nMin = spinBox(QStringLiteral("n min"), 1, 32, 10);
    QSpinBox *nMax = spinBox(QStringLiteral("n max"), 1, 32, 10);
    QCheckBox *amnesy = checkBox(QStringLiteral("Amnesy mode"), true);
    QCheckBox *family = checkBox(QStringLiteral("Family opt."), true);
    QCheckBox *random = checkBox(QStringLiteral("Random graph"), false);
    QCheckBox *reset = checkBox(QStringLiteral("Reset stats"), true);
    auto *agressivity = new QDoubleSpinBox;
    agressivity->setObjectName(QStringLiteral("Agressivity"));
    agressivity->setRange(0.0, 1.0);
    agressivity->setSingleStep(0.05);
    agressivity->setValue(0.3);

    VNSManager *m = bench->manager();
    connect(threads, spinChanged, m, &VNSManager::slot_set_nb_threads);
    auto setTime = [m](int s) { m->slot_setMaxTime(s == 0 ? INT_MAX : s); };
    connect(time, spinChanged, m, setTime);
    connect(evals, spinChanged, m, &VNSManager::slot_set_max_evals);
    // The orders go to the manager as a pair once an edit ends (typing "12" passes through
    // "1"), and a range that would run backwards is refused: neither bound moves the other.
    auto applyOrders = [this, m, nMin, nMax](QSpinBox *edited) {
        if (nMin->value() <= nMax->value()) {
            m->slot_set_p1min(nMin->value());
            m->slot_set_p1max(nMax->value());
            return;
        }
        const QString text = tr("The lowest order (%1) cannot exceed the highest order (%2); "
                                "the orders stay %3 to %4.")
                                 .arg(nMin->value())
                                 .arg(nMax->value())
                                 .arg(m->getP1min())
                                 .arg(m->getP1max());
        {
            const QSignalBlocker quiet(edited);
            edited->setValue(edited == nMin ? m->getP1min() : m->getP1max());
        }
        Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"), text);
    };
    for (QSpinBox *bound : {nMin, nMax}) {
        bound->setKeyboardTracking(false);
        connect(bound, spinChanged, this, [applyOrders, bound] { applyOrders(bound); });
    }
    connect(amnesy, &QCheckBox::toggled, m, &VNSManager::slot_set_amnesy_mode);
    connect(family, &QCheckBox::toggled, m, &VNSManager::slot_optimize_family_in_ls);
    connect(random, &QCheckBox::toggled, m, &VNSManager::slot_set_start_random);
    connect(reset, &QCheckBox::toggled, m, &VNSManager::slot_reset_stats);
    connect(agressivity, QOverload<double>::of(&QDoubleSpinBox::valueChanged), m,
            &VNSManager::slot_set_agressivity);
    // The workers start from the values shown.
    m->slot_set_nb_threads(threads->value());
    setTime(time->value());
    m->slot_set_max_evals(evals->value());
    m->slot_set_p1min(nMin->value());
    m->slot_set_p1max(nMax->value());
    m->slot_set_amnesy_mode(amnesy->isChecked());
    m->slot_optimize_family_in_ls(family->isChecked());
    m->slot_set_start_random(random->isChecked());
    m->slot_reset_stats(reset->isChecked());
    m->slot_set_agressivity(agressivity->value());

    auto *orders = new QHBoxLayout;
    orders->addWidget(nMin);
    orders->addWidget(new QLabel(QStringLiteral("<= n <=")));
    orders->addWidget(nMax);
    auto *form = new QFormLayout;
    form->addRow(tr("Title"), title);
    form->addRow(tr("Description"), description);
    form->addRow(threads->objectName(), threads);
    form->addRow(time->objectName(), time);
    form->addRow(evals->objectName(), evals);
    form->addRow(tr("Orders"), orders);
    form->addRow(agressivity->objectName(), agressivity);
    auto *checks = new QHBoxLayout;
    for (QCheckBox *c : {amnesy, family, random, reset})
        checks->addWidget(c);
    form->addRow(checks);

    auto *runButton = new QToolButton;
    runButton->setDefaultAction(run);
    auto *haltButton = new QToolButton;
    haltButton->setDefaultAction(halt);
    for (QToolButton *b : {runButton, haltButton})
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(runButton);
    buttons->addWidget(haltButton);
    buttons->addStretch();

    auto *pleaseWait = new QLabel(tr("Please wait ... (re)building mvx database"));
    pleaseWait->setVisible(false);
    connect(m, &VNSManager::signal_please_wait, pleaseWait, &QWidget::setVisible);
    m_progress->setName(tr("Jobs"));
    connect(m, &VNSManager::signal_nb_jobs, m_progress, &ProgressBar::set_nb_bars);
    connect(m, &VNSManager::signal_vns_progress, m_progress, &ProgressBar::slot_progress);
    connect(m_progress, &ProgressBar::signal_cancel, m, &VNSManager::slot_stopVNS);
    auto *bars = new QScrollArea;
    bars->setWidgetResizable(true);
    bars->setWidget(m_progress);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(pleaseWait);
    layout->addWidget(bars, 1);
}
