#include "graph/GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

bool GuiThread::isCurrent()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

bool GuiThread::queued(QObject *context, std::function<void()> f, std::atomic<bool> *pending)
{
    if (!context || isCurrent())
        return false;
    if (pending && pending->exchange(true))
        return true;
    // The event is posted to context: Qt discards it if context dies before it is delivered.
    QMetaObject::invokeMethod(
        context,
        [f = std::move(f), pending] {
            if (pending)
                pending->store(false);
            f();
        },
        Qt::QueuedConnection);
    return true;
}

void GuiThread::run(QObject *context, std::function<void()> f, std::atomic<bool> *pending)
{
    if (!queued(context, f, pending))
        f();
}
