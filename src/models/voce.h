#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vocario {

/// An item of an exercise as the register and the review know it: the list
/// it was dealt from, its record there (1 for the first) and its texts.
struct ChiaveVoce {
    /// The list's file name, e.g. "contrari.txt".
    QString elenco;
    qint16 record = 0;
    QStringList testi;

    /// The texts as the register shows the item: "alto / basso".
    QString testo() const { return testi.join(QStringLiteral(" / ")); }
    bool operator==(const ChiaveVoce&) const = default;
};

/// How an answer was judged.
struct Verdetto {
    bool esatta = false;
    /// The item the pupil acted on: in a drag exercise, the dragged word's.
    ChiaveVoce voce;
    /// What the pupil gave, in words a teacher reads: the place a word was
    /// dropped on, the button or the tile pressed.
    QString dato;
    /// The screen counts it: "Esatti" or "Errati" goes up by one.
    bool conta = true;
    /// The item on show is done: the next one may be dealt.
    bool turnoFinito = false;
};

/// The check a window makes of list k's records once it is read: a message
/// when there are too few for an item.
using ControlloElenco = std::function<std::optional<QString>(int records, int k)>;

/// The colour of the item, drawn by the window at the point of the deal
/// where the exercise has always drawn it (the random values keep their order).
using ColoreDelTurno = std::function<void()>;

} // namespace vocario
