#pragma once

namespace vocario::endurance {

/// Drops the one message the offscreen platform prints for every window
/// shown ("does not support propagateSizeHints"), which would otherwise use
/// up Qt Test's allowance of messages on a long run and hide the report.
/// Every other message goes on as before. Call it from initTestCase().
void silenceHarmlessNoise();

} // namespace vocario::endurance
