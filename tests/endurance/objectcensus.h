#pragma once

#include <QString>
#include <QtGlobal>

namespace vocario::endurance {

/// Counts the QObjects alive in the process, whoever made them, through the
/// hooks Qt calls from every QObject constructor and destructor.
class ObjectCensus {
  public:
    ObjectCensus();
    ~ObjectCensus();
    ObjectCensus(const ObjectCensus&) = delete;
    ObjectCensus& operator=(const ObjectCensus&) = delete;

    /// False when this Qt does not offer the hooks (the counts are then 0).
    bool working() const { return working_; }
    /// Objects made since the census began, minus those destroyed.
    long alive() const;

  private:
    bool working_ = false;
};

/// The process's memory at one moment.
struct MemoryUse {
    /// Resident set size, from /proc.
    qint64 residentBytes = 0;
    /// Bytes handed out by malloc and not yet freed (0 where unknown, as
    /// under AddressSanitizer, which has its own allocator).
    qint64 heapBytes = 0;

    static MemoryUse now();
    QString describe() const;
};

} // namespace vocario::endurance
