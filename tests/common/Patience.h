#pragma once

/// Upper bound, in milliseconds, for a test's wait on a signal, a thread or a process: the
/// wait ends as soon as its condition holds, so only a broken run ever reaches it, and a slow
/// or loaded machine (or a sanitizer build) never does. Below the suite's 600 s per test, so
/// that a broken wait reports itself.
constexpr int kPatienceMs = 300000;
