#pragma once

#include "core/randomgenerator.h"

#include <QList>

namespace vocario {
struct AppState;
}

namespace vocario::testing {

/// A random source that gives the values a test scripted, in order. Running
/// out of values is a test error and stops the test program.
class ScriptedRandomSource : public RandomSource {
  public:
    explicit ScriptedRandomSource(QList<float> values) : values_(std::move(values)) {}
    float next() override;
    void append(const QList<float>& values) { values_.append(values); }
    int remaining() const { return int(values_.size() - position_); }

  private:
    QList<float> values_;
    qsizetype position_ = 0;
};

/// Installs a scripted source as the random source of `random` (or of
/// `stato`'s) and returns it (owned by its generator).
ScriptedRandomSource* scriptRandom(RandomGenerator& random, QList<float> values = {});
ScriptedRandomSource* scriptRandom(AppState& stato, QList<float> values = {});

/// The value r that makes floor(r * n) + 1 give k (1 <= k <= n).
float pickWhole(int k, int n);
/// The value r that makes floor(r * n) give j (0 <= j < n).
float pickIndex(int j, int n);

} // namespace vocario::testing
