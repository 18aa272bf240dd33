#pragma once

// Lock order of the whole system, outermost first. A thread holding one of these locks takes
// only locks further down the list, never one above it, so no two threads can wait on each
// other. All are std::mutex, so that the thread sanitizer checks the order.
//
//  1. the job manager's dispatch mutex (VNSManager)
//  2. the worker mutex shared by all search workers; the graph-list loader's lock
//  3. an archive's mutex (OptimalSolutions)
//  4. the board mutex (Problem)
//  5. an item's compute mutex (Calculus); one item at a time, as an item reads its arguments'
//     values without their locks
//  6. the same item's value mutex
//  7. the constant dialog's grid mutex (ConstantDisplay)
//  8. a graph's best mutex (Graph)
//  9. the same graph's current mutex; Graph::copy reads its source under the source's current
//     mutex and releases it before taking its own
//
// The job manager's idle mutex and the conjecture panel's list lock are leaves: nothing else is
// taken while they are held. No thread waits for the GUI thread while it holds any of them
// (GuiThread queues, it never blocks), since the GUI thread takes them too.
