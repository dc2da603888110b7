#pragma once

#include "classi.h"
#include "operazione.h"

#include <QHash>
#include <QSqlDatabase>
#include <optional>

namespace vocario {

/// To which pupil of the register an operation goes, once the id it carries
/// may no longer be the same child: the file deleted, replaced or started
/// again since, or the register not open when the pupil played (no id). An
/// id is trusted only in the file it was read from (the file's identity,
/// step 5 of the schema), where ids are never given twice; elsewhere the
/// pupil is found by class and name, or the operation waits.
class Intestazione {
  public:
    /// For the PC's file open on `db` (one batch: what is read is kept).
    explicit Intestazione(QSqlDatabase db);
    /// For the outbox of a school's server: the ids are the server's, and
    /// a pupil without one is found among its classes as the PC keeps them.
    explicit Intestazione(QList<Classe> classiDelServer);

    enum class Esito {
        Scrivi,
        /// The pupil was deleted from this very file: the answers go too.
        Eliminato,
        /// No such pupil here (yet): kept until there is one.
        Sospeso,
    };
    struct Verdetto {
        Esito esito = Esito::Scrivi;
        qint64 alunno = 0;
    };
    Verdetto per(const Operazione& operazione);

  private:
    Verdetto decidi(const Operazione& operazione);
    qint64 perNome(const QString& classe, const QString& nome);
    void leggiFile();
    bool esiste(qint64 alunno);
    const QList<Classe>& classi();

    std::optional<QSqlDatabase> db_;
    bool letto_ = false;
    QString identita_;
    qint64 ultimoId_ = 0;
    bool classiLette_ = false;
    QList<Classe> classi_;
    QHash<QString, Verdetto> giaDecisi_;
};

} // namespace vocario
