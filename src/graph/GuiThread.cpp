#include "graph/GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace
{

// Qt hands a posted event over under its event queue's lock, which the thread sanitizer cannot
// see (Qt is not instrumented). Each hand-over also passes through this counter, released by
// the poster and acquired by the GUI thread, so the sanitizer sees the order the lock gives.
std::atomic<unsigned> handOvers{0};

// What the GUI thread runs.
struct Delivery {
    std::function<void()> f;
    std::atomic<bool> *pending;
    void operator()() const
    {
        handOvers.fetch_add(1, std::memory_order_acq_rel);
        // Cleared first, so that a request made while f runs is queued again rather than lost.
        if (pending)
            pending->store(false);
        f();
    }
};

// Takes f out of the caller's hands only when it is queued, so that data the function holds
// is never shared between the caller and the GUI thread.
bool handOver(QObject *context, std::function<void()> &f, std::atomic<bool> *pending)
{
    if (!context || GuiThread::isCurrent())
        return false;
    if (pending && pending->exchange(true))
        return true;
    // The event is posted to context: Qt discards it if context dies before it is delivered.
    QMetaObject::invokeMethod(context, Delivery{std::move(f), pending}, Qt::QueuedConnection);
    handOvers.fetch_add(1, std::memory_order_acq_rel);
    return true;
}

} // namespace

bool GuiThread::isCurrent()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

bool GuiThread::queued(QObject *context, std::function<void()> f, std::atomic<bool> *pending)
{
    return handOver(context, f, pending);
}

void GuiThread::run(QObject *context, std::function<void()> f, std::atomic<bool> *pending)
{
    if (!handOver(context, f, pending))
        f();
}
