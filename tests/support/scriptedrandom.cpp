#include "scriptedrandom.h"

#include <QtGlobal>

namespace vocario::testing {

float ScriptedRandomSource::next() {
    if (position_ >= values_.size())
        qFatal("The scripted random sequence ran out after %lld values", qlonglong(position_));
    return values_[position_++];
}

ScriptedRandomSource* scriptRandom(RandomGenerator& random, QList<float> values) {
    auto source = std::make_unique<ScriptedRandomSource>(std::move(values));
    ScriptedRandomSource* raw = source.get();
    random.setSource(std::move(source));
    return raw;
}

float pickIndex(int j, int n) {
    return (float(j) + 0.5f) / float(n);
}

float pickWhole(int k, int n) {
    return pickIndex(k - 1, n);
}

} // namespace vocario::testing
