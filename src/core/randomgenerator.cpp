#include "randomgenerator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

#include <QtGlobal>

namespace vocario {
namespace {

class SeededSource : public RandomSource {
  public:
    explicit SeededSource(unsigned seed) : engine_(seed) {}
    float next() override {
        // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
        return float(engine_() >> 8) * (1.0f / 16777216.0f);
    }

  private:
    std::mt19937 engine_;
};

unsigned clockSeed() {
    return unsigned(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

RandomGenerator::RandomGenerator() : source_(std::make_unique<SeededSource>(clockSeed())) {}
RandomGenerator::~RandomGenerator() = default;

void RandomGenerator::seedFromClock() {
    source_ = std::make_unique<SeededSource>(clockSeed());
}

void RandomGenerator::seed(unsigned value) {
    source_ = std::make_unique<SeededSource>(value);
}

void RandomGenerator::setSource(std::unique_ptr<RandomSource> source) {
    source_ = std::move(source);
}

float RandomGenerator::next() {
    return source_->next();
}

int RandomGenerator::floorTimes(double x) {
    return int(std::floor(double(next()) * x));
}

int RandomGenerator::below(int n) {
    const int k = floorTimes(n);
    return n <= 0 ? 0 : qMin(k, n - 1);
}

int RandomGenerator::wholeNumber(int n) {
    return below(n) + 1;
}

void RandomGenerator::differentWholeNumbers(std::span<qint16> records, int n) {
    if (n < int(records.size()))
        qFatal("Cannot draw %d different records out of %d", int(records.size()), n);
    for (size_t k = 0; k < records.size(); ++k) {
        const auto drawn = records.first(k);
        qint16 record = 0;
        do
            record = qint16(wholeNumber(n));
        while (std::find(drawn.begin(), drawn.end(), record) != drawn.end());
        records[k] = record;
    }
}

} // namespace vocario
