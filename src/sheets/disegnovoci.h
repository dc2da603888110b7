#pragma once

namespace vocario {

class Tela;
struct EsercizioScheda;
struct VoceScheda;

/// Draws item `numero` (from 1) of exercise `esercizio` at (x, y), `larghezza`
/// mm wide, with the answers when the canvas shows them; gives its height in
/// mm, space below it included. Measures only when the canvas does not draw.
double disegnaVoce(const Tela& tela, const EsercizioScheda& esercizio, const VoceScheda& voce,
                   int numero, double x, double y, double larghezza);

} // namespace vocario
