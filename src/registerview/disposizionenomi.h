#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

namespace vocario {

/// How "Chi gioca?" sets a class's names in the room its window has.
namespace DisposizioneNomi {

inline constexpr int kColonne = 5;
// A name's button at its largest, and at its smallest (still a fair target
// for a finger).
inline constexpr int kAltezzaBottone = 72;
inline constexpr int kAltezzaMinima = 44;
inline constexpr int kPuntiNomi = 20;
inline constexpr int kPuntiMinimi = 11;

struct Scelta {
    int colonne = 1;
    int punti = kPuntiMinimi;
    int altezza = kAltezzaMinima;
    /// The names as their buttons show them, in the names' order.
    QStringList testi = {};
};

/// The names as large as `spazio` allows (on a tie, in more columns) with
/// every name whole and every button on show: a class of 25 on a small
/// screen gets smaller buttons, never a name cut or a button off the
/// window. Only when no size fits every name on one line does a long name
/// break at a space onto two.
Scelta scegli(const QStringList& nomi, const QSize& spazio, int spaziatura, QFont font);

} // namespace DisposizioneNomi
} // namespace vocario
