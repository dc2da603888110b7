#pragma once

#include <QList>

namespace vocario {

class RandomGenerator;

/// Gives n controls n different rows at random: for each row s a fresh draw
/// j = floor(r * n) picks a control, stepping forward past placed ones (from
/// the last on to the first). Returns the row of each control.
QList<int> ScombiccheraPosti(int n, RandomGenerator& random);

} // namespace vocario
