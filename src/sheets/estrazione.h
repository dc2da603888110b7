#pragma once

#include "frame/exerciseentry.h"
#include "vocischeda.h"

#include <QList>
#include <QString>

namespace vocario {

class RandomGenerator;
class WordListReader;

/// The most items per exercise a teacher may ask for, in the dialog and
/// with --voci.
constexpr int kVociMassime = 200;

/// What a teacher asks for: which exercises of the catalogue (their index,
/// 0 for the first) and how many items of each.
struct RichiestaScheda {
    QList<int> esercizi;
    /// Items per exercise (pairs, for matching); 0 for what fits one page.
    int voci = 0;
    bool altaLeggibilita = false;
    bool maiuscolo = false;
};

/// A worksheet, or why it cannot be made.
struct EsitoScheda {
    Scheda scheda;
    /// Italian, names the list as the reader found it; empty when made.
    QString errore;
};

/// Draws the items of every exercise asked for from its lists (read through
/// `reader`, so the teacher's lists come first) with `random`: the same
/// values give the same sheet. Items of one exercise never repeat a record.
EsitoScheda componiScheda(const Catalogo& catalogo, const RichiestaScheda& richiesta,
                          const WordListReader& reader, RandomGenerator& random);

/// How many items a block takes at most when it is to fill one page: more
/// than fit on any page.
inline constexpr int kVociPerRiempire = 48;

} // namespace vocario
