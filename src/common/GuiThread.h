#pragma once

#include <atomic>
#include <functional>

class QObject;

/// The one way to the GUI thread. Widgets, scene items and tool tips belong to it; a thread
/// that publishes into them hands over a function holding copied data.
class GuiThread
{
public:
    /// True on the application object's thread, and when there is no application object.
    static bool isCurrent();

    /// False on the GUI thread or without a context (an object never shown): the caller does
    /// the work itself. Otherwise f is queued to the GUI thread through context, dropped if
    /// context is deleted first, and true. With pending, a call made while an earlier one for
    /// the same flag still waits is dropped too, so f must read the state when it runs; the
    /// flag lives as long as context.
    static bool queued(QObject *context, std::function<void()> f,
                       std::atomic<bool> *pending = nullptr);

    /// f now when queued() would decline it, else queued as queued() says.
    static void run(QObject *context, std::function<void()> f,
                    std::atomic<bool> *pending = nullptr);
};
