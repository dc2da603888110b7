#include "mittenteregistro.h"

#include "fileregistro.h"
#include "operazione.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace vocario {
namespace {

// Answers sent in one transaction of the server's.
constexpr int kLotto = 500;
// With nothing to send, the file is looked at again after this long even
// if the writer said nothing (answers left by an earlier run).
constexpr std::chrono::seconds kRiposo{10};

QString connessioneNuova(const char* tipo) {
    static std::atomic<int> contatore{0};
    return QStringLiteral("registro-mittente-%1-%2").arg(QLatin1String(tipo)).arg(++contatore);
}

} // namespace

MittenteRegistro::MittenteRegistro(QString cartella, ServerRegistro::Indirizzo server)
    : cartella_(std::move(cartella)), server_(std::move(server)),
      connessioneFile_(connessioneNuova("file")), connessioneServer_(connessioneNuova("server")),
      thread_([this] { lavora(); }) {}

MittenteRegistro::~MittenteRegistro() {
    {
        std::lock_guard lock(mutex_);
        fermo_ = true;
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
        const quint64 giro = giri_;
        if (!giroFatto_.wait_until(lock, scadenza, [&] { return giri_ > giro || fermo_; }))
            return false;
        if (stato_.inAttesa == 0 && stato_.motivo.isEmpty())
            return true;
        if (std::chrono::steady_clock::now() >= scadenza)
            return false;
    }
}

void MittenteRegistro::impostaAttese(std::chrono::milliseconds prima,
                                     std::chrono::milliseconds massima) {
    std::lock_guard lock(mutex_);
    primaAttesa_ = prima;
    massimaAttesa_ = massima;
}

void MittenteRegistro::lavora() {
    std::unique_lock lock(mutex_);
    std::chrono::milliseconds attesa{0};
    bool inErrore = false;
    for (;;) {
        // After a failure only the pause (or a test's request) ends the
        // wait: answers keep coming, and the server must not be asked at each.
        sveglia_.wait_for(lock, attesa,
                          [&] { return fermo_ || forzato_ || (subito_ && !inErrore); });
        if (fermo_)
            break;
        subito_ = forzato_ = false;
        lock.unlock();
        QString motivo;
        qint64 rimasti = 0;
        const bool fatto = consegna(&motivo, &rimasti);
        lock.lock();
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
    lock.unlock();
    QSqlDatabase::removeDatabase(connessioneServer_);
}

bool MittenteRegistro::consegna(QString* motivo, qint64* rimasti) {
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
    if (ultimo == 0)
        return true;

    QSqlDatabase server = QSqlDatabase::database(connessioneServer_, false);
    if (!server.isOpen())
        server = ServerRegistro::apri(server_, connessioneServer_, motivo);
    bool inviato = server.isOpen() && server.transaction();
    for (size_t i = 0; inviato && i < lotto.size(); ++i)
        inviato = lotto[i].scriviSulServer(server, motivo);
    if (inviato && !server.commit())
        inviato = false;
    if (!inviato) {
        if (motivo->isEmpty())
            *motivo = server.lastError().text();
        // The next try opens a new connection: this one may be dead.
        server.close();
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
