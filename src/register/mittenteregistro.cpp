#include "mittenteregistro.h"

#include "elenchiclasse.h"
#include "registerfile/classi.h"
#include "registerfile/fileregistro.h"
#include "registerfile/operazione.h"
#include "registerfile/pianoripasso.h"
#include "registerfile/prioritafondo.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <cstdio>

namespace vocario {
namespace {

// Answers sent in one transaction of the server's.
constexpr int kLotto = 500;
// With nothing to send, the file is looked at again after this long even
// if the writer said nothing (answers left by an earlier run).
constexpr std::chrono::seconds kRiposo{10};
// The classes on the server are read again after this long.
constexpr qint64 kClassiOgniMs = 60'000;
// A PC's statements take milliseconds: one that takes longer waits for a
// busy server, and the round is better tried again later.
constexpr std::chrono::seconds kLimiteIstruzione{5};
constexpr std::chrono::seconds kLimiteBlocco{3};

QString connessioneNuova(const char* tipo) {
    static std::atomic<int> contatore{0};
    return QStringLiteral("registro-mittente-%1-%2").arg(QLatin1String(tipo)).arg(++contatore);
}

ServerRegistro::Indirizzo conLimiti(ServerRegistro::Indirizzo server) {
    server.limiteIstruzione = kLimiteIstruzione;
    server.limiteBlocco = kLimiteBlocco;
    return server;
}

} // namespace

MittenteRegistro::MittenteRegistro(QString cartella, ServerRegistro::Indirizzo server, Pc pc,
                                   std::function<void()> classiCambiate)
    : cartella_(std::move(cartella)), server_(conLimiti(std::move(server))), pc_(std::move(pc)),
      connessioneFile_(connessioneNuova("file")), connessioneServer_(connessioneNuova("server")),
      classiCambiate_(std::move(classiCambiate)), thread_([this] { lavora(); }) {}

MittenteRegistro::~MittenteRegistro() {
    {
        std::lock_guard lock(mutex_);
        fermo_ = true;
        // A round under way gives up now: a slow server, or a table another
        // client holds, must not keep the program from ending. What the
        // server has not confirmed stays in the file for the next run.
        if (iniziati_ > giri_ && interruzione_)
            interruzione_->interrompi();
    }
    sveglia_.notify_all();
    thread_.join();
}

void MittenteRegistro::sveglia() {
    {
        std::lock_guard lock(mutex_);
        subito_ = true;
    }
    sveglia_.notify_one();
}

MittenteRegistro::Stato MittenteRegistro::stato() const {
    std::lock_guard lock(mutex_);
    return stato_;
}

bool MittenteRegistro::svuota(std::chrono::milliseconds limite) {
    const auto scadenza = std::chrono::steady_clock::now() + limite;
    std::unique_lock lock(mutex_);
    for (;;) {
        forzato_ = true;
        sveglia_.notify_one();
        const quint64 giro = iniziati_;
        if (!giroFatto_.wait_until(lock, scadenza, [&] { return giri_ > giro || fermo_; }))
            return false;
        if (stato_.inAttesa == 0 && stato_.motivo.isEmpty())
            return true;
        if (std::chrono::steady_clock::now() >= scadenza)
            return false;
    }
}

void MittenteRegistro::chiediRipasso(qint64 alunno,
                                     std::function<void(QList<VoceRipasso>)> arrivato) {
    {
        std::lock_guard lock(mutex_);
        ripasso_ = {.alunno = alunno, .arrivato = std::move(arrivato)};
    }
    sveglia_.notify_one();
}

void MittenteRegistro::impostaAttese(std::chrono::milliseconds prima,
                                     std::chrono::milliseconds massima) {
    std::lock_guard lock(mutex_);
    primaAttesa_ = prima;
    massimaAttesa_ = massima;
}

void MittenteRegistro::lavora() {
    threadDiFondo();
    std::unique_lock lock(mutex_);
    std::chrono::milliseconds attesa{0};
    bool inErrore = false;
    for (;;) {
        // After a failure only the pause (or a test's request) ends the
        // wait: answers keep coming, and the server must not be asked at each.
        sveglia_.wait_for(lock, attesa, [&] {
            return fermo_ || forzato_ || ((subito_ || ripasso_.alunno != 0) && !inErrore);
        });
        if (fermo_)
            break;
        const bool classi = forzato_ || classiLette_ == 0 ||
                            QDateTime::currentMSecsSinceEpoch() - classiLette_ > kClassiOgniMs;
        subito_ = forzato_ = false;
        PianoChiesto ripasso = std::exchange(ripasso_, {});
        ++iniziati_;
        lock.unlock();
        QString motivo;
        qint64 rimasti = 0;
        const bool fatto = consegna(classi, ripasso, &motivo, &rimasti);
        lock.lock();
        // Not served (the server away): asked again at the next round.
        if (ripasso.alunno != 0 && ripasso_.alunno == 0)
            ripasso_ = std::move(ripasso);
        stato_.motivo = motivo;
        if (rimasti >= 0)
            stato_.inAttesa = rimasti;
        if (fatto) {
            inErrore = false;
            attesa = rimasti > 0 ? std::chrono::milliseconds(0) : kRiposo;
        } else {
            attesa = inErrore ? std::min(attesa * 2, massimaAttesa_) : primaAttesa_;
            inErrore = true;
        }
        ++giri_;
        giroFatto_.notify_all();
    }
    interruzione_.reset();
    lock.unlock();
    QSqlDatabase::removeDatabase(connessioneServer_);
}

bool MittenteRegistro::consegna(bool classi, PianoChiesto& ripasso, QString* motivo,
                                qint64* rimasti) {
    *rimasti = -1;
    std::vector<Operazione> lotto;
    qint64 ultimo = 0;
    {
        FileRegistro::Apertura apertura =
            FileRegistro::apri(cartella_, connessioneFile_, FileRegistro::Modo::SoloEsistente);
        if (apertura.errore) {
            *motivo = *apertura.errore;
        } else {
            QSqlQuery query(apertura.db);
            query.exec(
                QStringLiteral("SELECT n, riga FROM in_uscita ORDER BY n LIMIT %1").arg(kLotto));
            while (query.next()) {
                ultimo = query.value(0).toLongLong();
                if (std::optional<Operazione> op =
                        Operazione::dalGiornale(query.value(1).toByteArray()))
                    lotto.push_back(std::move(*op));
            }
            if (query.lastError().isValid())
                *motivo = query.lastError().text();
            else if (query.exec(QStringLiteral("SELECT count(*) FROM in_uscita")) && query.next())
                *rimasti = query.value(0).toLongLong();
        }
    }
    FileRegistro::chiudi(connessioneFile_);
    if (!motivo->isEmpty())
        return false;
    if (ultimo == 0 && !classi && *rimasti == riferito_ && ripasso.alunno == 0)
        return true;

    QSqlDatabase server = QSqlDatabase::database(connessioneServer_, false);
    if (!server.isOpen() && !connetti(server, motivo))
        return false;
    if (ultimo > 0 && !invia(server, lotto, ultimo, motivo, rimasti))
        return false;
    // How many still wait, for the teacher's view: a server that cannot
    // take it yet (an older schema) takes the answers all the same.
    QSqlQuery attese(server);
    attese.prepare(QStringLiteral("SELECT vocario_attesa(CAST(? AS uuid), CAST(? AS text), "
                                  "CAST(? AS integer))"));
    for (const QVariant& valore : {QVariant(pc_.id), QVariant(pc_.nome), QVariant(*rimasti)})
        attese.addBindValue(valore);
    if (attese.exec())
        riferito_ = *rimasti;
    if (ripasso.alunno != 0 && !leggiRipasso(server, ripasso, motivo))
        return false;
    return !classi || leggiClassi(server, motivo);
}

bool MittenteRegistro::leggiRipasso(QSqlDatabase& server, PianoChiesto& ripasso, QString* motivo) {
    // A connection the driver found broken in this round is tried anew; a
    // failure always has its reason, which keeps svuota() from taking it
    // for a delivery.
    QSqlQuery query(server);
    query.setForwardOnly(true);
    if (!server.isOpen() ||
        !query.prepare(QStringLiteral("SELECT esercizio, voce, fase, scatola, scade, mostrata,"
                                      " ultima, esatta, numero FROM"
                                      " vocario_ripasso(CAST(? AS bigint))")) ||
        (query.addBindValue(ripasso.alunno), !query.exec())) {
        const QString testo = query.lastError().text().trimmed();
        *motivo = testo.isEmpty() ? QStringLiteral("il collegamento con il server della scuola "
                                                   "si è interrotto")
                                  : ServerRegistro::motivo(testo);
        scollega(server);
        return false;
    }
    QList<VoceRipasso> voci;
    while (query.next())
        if (std::optional<VoceRipasso> voce = PianoRipasso::dallaRiga(query))
            voci.append(std::move(*voce));
    // Into the PC's copy first, for the next time the server is away.
    {
        FileRegistro::Apertura apertura =
            FileRegistro::apri(cartella_, connessioneFile_, FileRegistro::Modo::SoloEsistente);
        if (apertura.errore) {
            *motivo = *apertura.errore;
        } else {
            apertura.db.transaction();
            if (PianoRipasso::salva(apertura.db, ripasso.alunno, voci, motivo))
                apertura.db.commit();
            else
                apertura.db.rollback();
        }
    }
    FileRegistro::chiudi(connessioneFile_);
    // The pupil plays all the same: what came serves even if the copy failed.
    if (ripasso.arrivato)
        ripasso.arrivato(std::move(voci));
    ripasso.alunno = 0;
    return motivo->isEmpty();
}

bool MittenteRegistro::connetti(QSqlDatabase& server, QString* motivo) {
    server = ServerRegistro::apri(server_, connessioneServer_, motivo);
    if (!server.isOpen()) {
        *motivo = ServerRegistro::motivo(*motivo);
        return false;
    }
    std::lock_guard lock(mutex_);
    if (fermo_) {
        server.close();
        return false;
    }
    interruzione_ = ServerRegistro::Interruzione::per(server);
    return true;
}

void MittenteRegistro::scollega(QSqlDatabase& server) {
    {
        // Never a socket closed, and perhaps reused, under the interruption.
        std::lock_guard lock(mutex_);
        interruzione_.reset();
    }
    server.close();
}

bool MittenteRegistro::leggiClassi(QSqlDatabase& server, QString* motivo) {
    const std::optional<QList<Classe>> classi = ServerRegistro::classi(server);
    if (!classi) {
        *motivo = server.lastError().text();
        scollega(server);
        return false;
    }
    classiLette_ = QDateTime::currentMSecsSinceEpoch();
    const QString nuove = QString::fromUtf8(classiInJson(*classi));
    // Written, and told, only when they differ from the copy: "Chi gioca?"
    // on screen is built again only for a real change.
    bool cambiate = false, scritte = false;
    {
        FileRegistro::Apertura apertura =
            FileRegistro::apri(cartella_, connessioneFile_, FileRegistro::Modo::SoloEsistente);
        if (apertura.errore) {
            *motivo = *apertura.errore;
        } else {
            QSqlQuery query(apertura.db);
            query.prepare(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = ?"));
            query.addBindValue(QString::fromLatin1(kClassiDelServer));
            const bool uguali = query.exec() && query.next() && query.value(0).toString() == nuove;
            scritte = uguali;
            if (!uguali) {
                query.prepare(QStringLiteral("INSERT OR REPLACE INTO impostazioni (chiave, "
                                             "valore) VALUES (?, ?)"));
                query.addBindValue(QString::fromLatin1(kClassiDelServer));
                query.addBindValue(nuove);
                scritte = cambiate = query.exec();
                if (!cambiate)
                    *motivo = query.lastError().text();
            }
            // The classes' own lists come with them; only those that changed.
            scritte = scritte && ElenchiClasse::copiaDalServer(server, apertura.db, motivo);
        }
    }
    FileRegistro::chiudi(connessioneFile_);
    if (cambiate && classiCambiate_)
        classiCambiate_();
    return scritte;
}

bool MittenteRegistro::invia(QSqlDatabase& server, const std::vector<Operazione>& lotto,
                             qint64 ultimo, QString* motivo, qint64* rimasti) {
    bool inviato = server.transaction();
    QStringList rifiutate;
    for (size_t i = 0; inviato && i < lotto.size(); ++i) {
        QString rifiuto;
        inviato = lotto[i].scriviSulServer(server, pc_.id, motivo, &rifiuto);
        if (!rifiuto.isEmpty())
            rifiutate << rifiuto;
    }
    if (inviato && !server.commit())
        inviato = false;
    // A row the server refuses (a clock set wrong, a row made up) leaves the
    // outbox with the others: kept, it would hold back every later one.
    // The technician reads why where the program was started.
    if (inviato && !rifiutate.isEmpty())
        std::fprintf(stderr,
                     "vocario: il server della scuola ha rifiutato %lld righe di questo "
                     "PC (%s)\n",
                     qint64(rifiutate.size()), qPrintable(rifiutate.first()));
    if (!inviato) {
        *motivo = ServerRegistro::motivo(motivo->isEmpty() ? server.lastError().text() : *motivo);
        // The next try opens a new connection: this one may be dead.
        scollega(server);
        return false;
    }

    // The server has them: only now do they leave the PC. Should this fail,
    // they are sent again and the server keeps its one copy.
    bool tolti = false;
    {
        FileRegistro::Apertura apertura =
            FileRegistro::apri(cartella_, connessioneFile_, FileRegistro::Modo::SoloEsistente);
        if (apertura.errore) {
            *motivo = *apertura.errore;
        } else {
            QSqlQuery query(apertura.db);
            tolti = query.exec(QStringLiteral("DELETE FROM in_uscita WHERE n <= %1").arg(ultimo)) &&
                    query.exec(QStringLiteral("SELECT count(*) FROM in_uscita")) && query.next();
            if (tolti)
                *rimasti = query.value(0).toLongLong();
            else
                *motivo = query.lastError().text();
        }
    }
    FileRegistro::chiudi(connessioneFile_);
    return tolti;
}

} // namespace vocario
