#pragma once

#include "registerfile/classi.h"
#include "registerfile/scrittoreregistro.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <memory>
#include <optional>

namespace vocario {

struct AppState;
class MittenteRegistro;
class Registrazione;

/// Tells the window's thread that the school's server has classes or
/// pupils other than those "Chi gioca?" showed: the sender has brought them
/// into the PC's copy.
class AvvisoClassi : public QObject {
    Q_OBJECT
  signals:
    void cambiate();
};

/// The class register of this PC: one SQLite file in the user's data folder.
/// The teacher's side (classes, pupils, the view) reads and writes on the
/// window's thread; the pupils' answers go through the writer, off it.
class Registro {
  public:
    /// The register's folder: the state's, or the platform's data folder.
    static QString cartella(const AppState& stato);

    /// Opens the register of `cartella`, creating it when needed. With a
    /// school's server (`postgresql://…`), the answers go through the file
    /// to the server, and the classes are the server's.
    explicit Registro(QString cartella, QString server = {});
    ~Registro();
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    /// Why the register cannot be used, in Italian; empty when it can.
    const std::optional<QString>& errore() const { return errore_; }
    /// What the teacher must be told once (a damaged file set aside).
    QString avviso() const;
    void avvisoLetto();

    /// The PC's file (the pupils' side, the teacher's password): the
    /// connection of the window's thread, on the file in use (a new one
    /// after a damaged file was set aside).
    QSqlDatabase db() const;
    QString percorsoFile() const;
    /// When `errore` (of a reading or writing on db()) says that the file is
    /// damaged, or `certo`: moves it aside, starts a new one with what can
    /// still be read, and tells the teacher through avviso(). True when the
    /// file was changed, so that the caller reads again.
    bool rimediaSeDanneggiato(const QSqlError& errore, bool certo = false) const;

    /// True when a school's server is set: the pupils' answers go there,
    /// and the teacher's view reads and writes there.
    bool suServer() const;
    /// What the teacher's view reads and its class dialog writes: the
    /// server, as the teacher's role, when one is set (connected at the
    /// first call on the window's thread; tried once more only after
    /// ricollegaVista()), else the file.
    QSqlDatabase dbVista();
    void ricollegaVista();
    /// Why the server could not be reached by the view; empty when it could.
    QString erroreServer() const;

    /// The classes and pupils the teacher sees: the server's (the last
    /// ones read, when it is away), else the file's.
    QList<Classe> classi();
    /// The classes "Chi gioca?" shows, at once: with a server, the copy the
    /// sender keeps in the file; it never waits for the network.
    QList<Classe> classiPerChiGioca() const;
    bool ciSonoClassi() const;
    /// True while a school's server is set and its classes have never been
    /// read on this PC (a lab's PC at its first run): "Chi gioca?" has
    /// nothing to show yet, though there may well be classes.
    bool attendeClassi() const;
    /// Tells when the sender brings changed classes; lives on the thread
    /// that made the register.
    const AvvisoClassi& avvisoClassi() const { return avvisoClassi_; }
    /// The pupil `nome` ("nome" or "classe/nome"), if the register has one.
    std::optional<Alunno> trovaAlunno(const QString& nome);
    /// Nothing, too, when the name is in several classes and none is named:
    /// the answers must not go to another class's child of the same name.
    static std::optional<Alunno> trovaIn(const QList<Classe>& classi, const QString& nome);
    /// The classes that have a pupil of that name (case aside).
    static QStringList classiCon(const QList<Classe>& classi, const QString& nome);

    /// The school's server, when one is set; null otherwise.
    MittenteRegistro* mittente() { return mittente_.get(); }
    /// The server's classes and pupils as the sender last read them (kept
    /// in the file); nothing read from the network.
    QList<Classe> classiSalvate() const;
    /// Each PC's answers still waiting for the server, as its sender last
    /// told it; empty with no server.
    struct AttesaPc {
        QString nome = {};
        qint64 inAttesa = 0;
        QDateTime aggiornato = {};
    };
    QList<AttesaPc> atteseDeiPc();
    /// Adds the class (or finds it); its id, 0 when it could not.
    qint64 aggiungiClasse(const QString& nome);
    qint64 aggiungiAlunno(qint64 classe, const QString& nome);
    /// The pupil and every answer and session of theirs.
    bool eliminaAlunno(qint64 alunno);
    bool eliminaClasse(qint64 classe);
    /// Every answer and session before `giorno`, of every class; how many
    /// answers went, -1 when nothing could be deleted.
    int eliminaPrimaDi(const QDate& giorno);
    /// How many answers eliminaPrimaDi(giorno) would remove; -1 when they
    /// cannot be counted.
    int contaPrimaDi(const QDate& giorno);

    /// A recorder of the pupil's answers, through the writer: by id, or by
    /// class and name while perNome().
    std::unique_ptr<Registrazione> registrazionePer(const Alunno& alunno);
    /// True while the PC's register cannot be used, or has lost the classes
    /// it had (its file deleted or replaced): the pupils are those of
    /// classiRicordate(), their answers wait under their names.
    bool perNome() const;
    /// The classes and pupils this register gave last, kept aside.
    QList<Classe> classiRicordate() const;
    ScrittoreRegistro& scrittore() { return *scrittore_; }

    /// A setting of the teacher's (the password's hash); empty when unset.
    QString impostazione(const QString& chiave) const;
    bool impostaImpostazione(const QString& chiave, const QString& valore);

  private:
    void leggiGiornali();
    QString connessioneVista() const;

    QString cartella_;
    QString connessione_;
    mutable std::optional<QString> errore_;
    QString server_;
    QString erroreServer_;
    bool riprovaVista_ = true;
    /// The file's own identity (impostazioni), empty while it cannot be read.
    mutable QString identita_;
    mutable bool classiPerse_ = false;
    /// FileDanneggiato::generazione of the file the connection is open on.
    mutable int generazione_ = 0;
    // Before the sender, which posts to it from its thread until it ends.
    AvvisoClassi avvisoClassi_;
    std::unique_ptr<MittenteRegistro> mittente_;
    std::unique_ptr<ScrittoreRegistro> scrittore_;
};

} // namespace vocario
