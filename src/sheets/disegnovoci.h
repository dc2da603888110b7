#pragma once

namespace vocario {

class Tela;
struct EsercizioScheda;
struct VoceScheda;

/// How many numbers item `voce` takes on the sheet: a matching group one
/// per word of its first column, any other item one.
int numeriDi(const EsercizioScheda& esercizio, const VoceScheda& voce);

/// Draws item `numero` (from 1; a matching group's first word) of exercise `esercizio` at (x, y),
/// `larghezza` mm wide, with the answers when the canvas shows them; gives its height in mm, space
/// below it included. Measures only when the canvas does not draw.
double disegnaVoce(const Tela& tela, const EsercizioScheda& esercizio, const VoceScheda& voce,
                   int numero, double x, double y, double larghezza);

} // namespace vocario
