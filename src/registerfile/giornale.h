#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vocario::Giornale {

/// Puts `testo` into `percorso` so that, when this returns true, it is whole
/// on the disk: a new file beside it (readable by this user alone) is
/// written, flushed to the disk and renamed over the old one. When any step
/// fails (a full disk among them) the old file stays as it was and false is
/// returned.
bool scrivi(const QString& percorso, const QByteArray& testo);

/// True when `percorso` is a plain file of this user that no one else may
/// write: only such a journal is read back, as one in a shared folder could
/// have been put there by someone else.
bool fidato(const QString& percorso);

/// This user's own folder for what the register keeps aside (~/.cache/vocario,
/// made if needed, readable by this user alone).
QString cartellaPrivata();

/// The journals of the register whose own journal is `giornale`: that one,
/// the one in this user's private folder used when the register's folder
/// cannot be written, and the one earlier versions kept in the system's
/// temporary folder (read, if it is this user's, never written).
QStringList percorsi(const QString& giornale);

} // namespace vocario::Giornale
