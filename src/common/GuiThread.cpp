#include "common/GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace
{

// Qt hands a posted event over under its event queue's lock, which the thread sanitizer cannot
// see (Qt is not instrumented). Each hand-over also passes through this counter, so that the
// sanitizer sees the order the lock gives.
std::atomic<unsigned> handOvers{0};

// What the GUI thread runs. Qt moves it into the slot object it posts, so the release in the
// move comes after every write to that object and before the posting. The slot object is
// reference counted: the poster or the GUI thread, whichever lets go last, destroys it, so the
// GUI thread releases what it did once f has run, and the destructor acquires on either side.
struct Delivery {
    std::function<void()> f;
    std::atomic<bool> *pending;

    Delivery(std::function<void()> fn, std::atomic<bool> *flag) : f(std::move(fn)), pending(flag)
    {
    }
    Delivery(Delivery &&other) noexcept : f(std::move(other.f)), pending(other.pending)
    {
        handOvers.fetch_add(1, std::memory_order_release);
    }
    Delivery(const Delivery &) = delete;
    Delivery &operator=(const Delivery &) = delete;
    Delivery &operator=(Delivery &&) = delete;
    ~Delivery() { handOvers.fetch_add(1, std::memory_order_acquire); }

    void operator()() const
    {
        handOvers.fetch_add(1, std::memory_order_acquire);
        // Cleared first, so that a request made while f runs is queued again rather than lost.
        if (pending)
            pending->store(false);
        f();
        handOvers.fetch_add(1, std::memory_order_release);
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
    QMetaObject::invokeMethod(context, Delivery(std::move(f), pending), Qt::QueuedConnection);
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
