#pragma once

namespace vocario {

/// Called first thing on the register's own threads (the writer and the
/// sender): on Linux they become SCHED_BATCH, which the scheduler never lets
/// preempt another thread when they are woken. The window's thread, which
/// wakes the writer at every answer, then goes on at once instead of
/// yielding the processor to it on a busy machine. Needs no privilege.
void threadDiFondo();

} // namespace vocario
