#pragma once

#include "classi.h"

#include <QString>

/// The classes and pupils a register gave last, kept aside in this user's
/// own folder (IngressoRegistro::classiRicordate): "Chi gioca?" still knows
/// the pupils when the register cannot be opened, or has lost its classes
/// (its file deleted or replaced), and their answers wait under their names.
namespace vocario::ClassiRicordate {

struct Copia {
    /// The identity of the file they were read from.
    QString registro = {};
    QList<Classe> classi = {};
};

/// The copy of the register of `cartella`; empty when there is none that
/// this user alone could have written.
Copia leggi(const QString& cartella);

/// Keeps `classi`, read from the file of identity `registro`, unless they
/// are none and the copy holds another file's: a new, empty file does not
/// make the pupils of the one it replaced forgotten.
void ricorda(const QString& cartella, const QString& registro, const QList<Classe>& classi);

} // namespace vocario::ClassiRicordate
