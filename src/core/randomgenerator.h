#pragma once

#include <QtGlobal>
#include <memory>
#include <span>

namespace vocario {

/// Where random values come from: each call gives 0 <= r < 1.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

/// The program's one random generator. Seeded once from the clock at start-up;
/// a test may replace its source by a scripted sequence of values.
class RandomGenerator {
  public:
    RandomGenerator();
    ~RandomGenerator();

    void seedFromClock();
    /// The same seed gives the same values again (a worksheet made twice).
    void seed(unsigned value);
    void setSource(std::unique_ptr<RandomSource> source);

    /// A fresh value r, 0 <= r < 1 (single precision).
    float next();
    /// floor(r * n) + 1: a whole number from 1 to n (1 when n <= 0).
    int wholeNumber(int n);
    /// floor(r * n): a whole number from 0 to n - 1 (0 when n <= 0).
    int below(int n);
    /// floor(r * x) for a fractional x, formed in double precision.
    int floorTimes(double x);
    /// Fills `records` with different whole numbers from 1 to n, in order:
    /// each one drawn afresh until it differs from those before it. The
    /// caller guarantees n >= records.size(), so the draws end.
    void differentWholeNumbers(std::span<qint16> records, int n);

  private:
    std::unique_ptr<RandomSource> source_;
};

} // namespace vocario
