#pragma once

#include <QList>

class QWidget;

namespace vocario {

class RandomGenerator;
struct RowPlaces;

/// Gives the n movable controls of a window n different places at random:
/// every Top is first set to 0 (not yet placed); then for each place s a
/// fresh draw j = floor(r * n) picks a control, stepping forward past placed
/// ones (from the last on to the first), and its Top becomes the top of
/// row s (twips). There are as many rows as controls.
void ScombiccheraPosti(const QList<QWidget*>& controls, const RowPlaces& rows,
                       RandomGenerator& random);

} // namespace vocario
