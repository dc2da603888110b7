#pragma once

#include "frame/exerciseentry.h"

#include <QString>

namespace vocario {

/// What the exercises that read one list take of it, drawn from their rows
/// of the catalogue: the list can be used when every one of them opens it.
struct LimitiElenco {
    /// The fewest records with which every one of them deals an item.
    int vociMinime = 0;
    /// The most records every one of them takes.
    int vociMassime = 0;
    /// A number of records they can deal from is a multiple of this.
    int vociMultiploDi = 1;
    /// The exercises as the menu names them: "«abbina gradi» e «gradi»".
    QString esercizi;
};

/// The limits of `file` ("gradi.txt") over the rows of `catalogo` that read it.
LimitiElenco limitiElenco(const Catalogo& catalogo, const QString& file);

} // namespace vocario
