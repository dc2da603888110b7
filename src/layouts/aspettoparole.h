#pragma once

#include "options/opzioni.h"

#include <QString>

class QWidget;

namespace vocario {

/// How the words, sentences and meanings of the word lists look: in the
/// readable face when "Caratteri ad alta leggibilità" is on, in capitals
/// when "STAMPATO MAIUSCOLO" is. The rest of a window keeps its design look.
namespace AspettoParole {

/// The face made for readability: Andika, drawn by SIL for pupils who are
/// learning to read (Debian's fonts-sil-andika).
inline constexpr char kCarattereLeggibile[] = "Andika";

/// True when the readable face is installed.
bool carattereLeggibileInstallato();
/// True when `control` (by its design name) shows a text of a word list:
/// the words (Label3, Label4), the sentence or pair (Text1) and the
/// meanings (Bottone).
bool mostraParole(const QWidget* control);
/// Gives the word controls among `window`'s children the look `opzioni` ask.
void applica(QWidget* window, const Opzioni& opzioni);

} // namespace AspettoParole
} // namespace vocario
