#include "registroprogramma.h"

#include "core/cartelleelenchi.h"
#include "register/assegnaelenchi.h"

#include "core/appstate.h"
#include "core/cartelle.h"
#include "finestrachigioca.h"
#include "frame/messaggi.h"
#include "frame/percorso.h"
#include "options/opzionisalvate.h"
#include "register/azzerapassword.h"
#include "register/importaclassi.h"
#include "register/mittenteregistro.h"
#include "register/registro.h"
#include "register/rispostealunno.h"
#include "register/serverregistro.h"
#include "registerfile/ingressoregistro.h"
#include "teacher/verificadariga.h"
#include "vistaregistro.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

namespace vocario {
namespace {

const QString kUltimaClasse = QStringLiteral("registro/ultimaClasse");
// How often "Chi gioca?" looks again at why the classes have not come.
constexpr std::chrono::milliseconds kGuardaAttesa{1000};

void scrivi(std::FILE* dove, const QString& testo) {
    std::fputs(qPrintable(testo + u'\n'), dove);
}

int preparaServer(const ServerRegistro::Indirizzo& indirizzo) {
    const QString connessione = QStringLiteral("registro-prepara");
    std::optional<QString> errore;
    QString database;
    {
        QString motivo;
        QSqlDatabase db = ServerRegistro::apri(indirizzo, connessione, &motivo);
        // The technician's own password first: the server is there, it is
        // the login that is missing.
        errore = db.isOpen() ? ServerRegistro::prepara(db, &database)
                 : motivo.contains(u"password")
                     ? QStringLiteral("Il server non accetta l'utente %1 (%2). La password del "
                                      "tecnico va in una riga del suo file ~/.pgpass "
                                      "(%3:%4:%5:%1:PASSWORD, permessi 0600).")
                           .arg(indirizzo.utente, motivo, indirizzo.host)
                           .arg(indirizzo.porta)
                           .arg(indirizzo.database)
                     : QStringLiteral("Il server non risponde (%1).").arg(motivo);
    }
    QSqlDatabase::removeDatabase(connessione);
    if (errore) {
        scrivi(stderr, QStringLiteral("vocario: ") + *errore);
        return 1;
    }
    scrivi(stdout,
           QStringLiteral("Il server del registro è pronto: ruoli %1 (per i PC degli "
                          "alunni) e %2 (per l'insegnante). Dare loro una password con "
                          "\\password in psql.")
               .arg(ServerRegistro::ruoloPc(database), ServerRegistro::ruoloInsegnante(database)));
    return 0;
}

int elenchiDellaClasse(Registro& registro, const AppState& stato, const CompitiRegistro& compiti) {
    const QList<Classe> classi = registro.classi();
    const auto classe = std::find_if(classi.begin(), classi.end(), [&](const Classe& c) {
        return c.nome.compare(compiti.elenchiClasse.trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (classe == classi.end()) {
        scrivi(stderr, QStringLiteral("vocario: la classe «%1» non è nel registro.")
                           .arg(compiti.elenchiClasse));
        return 2;
    }
    const ElenchiClasse::Esito esito =
        compiti.elenchiDelProgramma
            ? ElenchiClasse::tornaAlProgramma(registro, classe->id)
            : ElenchiClasse::daiDaCartella(registro, classe->id, compiti.cartellaElenchi,
                                           CartelleElenchi::programma(stato));
    scrivi(esito.ok ? stdout : stderr, esito.messaggio);
    return esito.ok ? 0 : 1;
}

} // namespace

RegistroProgramma::RegistroProgramma(QString alunno, QString server)
    : alunno_(std::move(alunno)), server_(std::move(server)) {}
RegistroProgramma::~RegistroProgramma() = default;

Registro& RegistroProgramma::registro(const AppState& stato) {
    if (!registro_) {
        registro_ = std::make_unique<Registro>(Registro::cartella(stato),
                                               ServerRegistro::impostato(server_));
        // The technician reads it where the program was started; the
        // teacher in "Registro".
        if (registro_->errore())
            scrivi(stderr, QStringLiteral("vocario: ") + *registro_->errore());
    }
    return *registro_;
}

// A PC of a lab: the sender starts now, so that a PC's first run has the
// server's classes by the time a pupil presses "Avvio".
void RegistroProgramma::prepara(const AppState& stato) {
    if (!registro_ && !ServerRegistro::impostato(server_).isEmpty())
        registro(stato);
}

bool RegistroProgramma::chiGioca(AppState& stato, QWidget* avvio) {
    if (!registro_ && !IngressoRegistro::daAprire(stato, server_))
        return false;
    Registro& r = registro(stato);
    QList<Classe> classi = r.classiPerChiGioca();
    // A register that cannot be used, or has lost its classes, is the
    // teacher's to see in "Registro"; the pupils it had play on under their
    // names meanwhile, and their answers wait for it. A school's server set
    // that cannot be used leaves them guests.
    const bool perNome = r.perNome();
    if (r.errore() && !perNome)
        return false;
    if (perNome && !r.errore())
        scrivi(stderr, QStringLiteral("vocario: il registro %1 non ha più le classi che aveva (è "
                                      "stato cancellato o sostituito).")
                           .arg(r.percorsoFile()));
    if (perNome)
        classi = r.classiRicordate();
    inAttesa_ = false;
    if (!alunno_.isEmpty()) {
        std::optional<Alunno> alunno = Registro::trovaIn(classi, alunno_);
        // Nothing known of the classes: the name as it was given.
        if (!alunno && perNome && classi.isEmpty())
            alunno = Alunno{.nome = alunno_.section(u'/', -1).trimmed(),
                            .classe = alunno_.contains(u'/') ? alunno_.section(u'/', 0, 0).trimmed()
                                                             : QString()};
        if (alunno) {
            registra(stato, r, *alunno);
            return false;
        }
        const QStringList omonimi = Registro::classiCon(classi, alunno_);
        scrivi(
            stderr,
            omonimi.size() > 1
                ? QStringLiteral("vocario: un alunno di nome «%1» è in più classi (%2): "
                                 "si scrive per esempio --alunno \"%3/%1\".")
                      .arg(alunno_, omonimi.join(QStringLiteral(", ")), omonimi[0])
                : QStringLiteral("vocario: «%1» non è tra gli alunni del registro.").arg(alunno_));
        alunno_.clear();
    }
    // A lab's PC whose sender has not read the school's server yet asks all
    // the same: the classes fill in as they arrive, "Ospite" meanwhile.
    if (classi.isEmpty() && (perNome || !r.attendeClassi()))
        return false;
    auto* finestra = new FinestraChiGioca(
        classi, OpzioniSalvate::impostazioni().value(kUltimaClasse).toString());
    finestra->setGeometry(avvio->geometry());
    // What the sender brings while the question is on screen shows at once.
    QObject::connect(&r.avvisoClassi(), &AvvisoClassi::cambiate, finestra,
                     [&r, finestra] { finestra->aggiorna(r.classiPerChiGioca()); });
    // A lab PC still waiting for the classes says why, on the screen and to
    // the technician where the program was started.
    if (classi.isEmpty() && r.mittente()) {
        auto* guarda = new QTimer(finestra);
        QObject::connect(guarda, &QTimer::timeout, finestra,
                         [&r, finestra, detto = std::make_shared<QString>()] {
                             const QString motivo = r.mittente()->stato().motivo;
                             finestra->mostraMotivoAttesa(motivo);
                             if (!motivo.isEmpty() && motivo != *detto)
                                 scrivi(stderr, QStringLiteral("vocario: il server della scuola "
                                                               "non dà le classi: ") +
                                                    (*detto = motivo));
                         });
        guarda->start(kGuardaAttesa);
    }
    QObject::connect(finestra, &FinestraChiGioca::scelto, finestra,
                     [this, &stato, &r, finestra](const std::optional<Alunno>& alunno) {
                         stato.registrazione.reset();
                         inAttesa_ = false;
                         if (alunno) {
                             registra(stato, r, *alunno);
                             OpzioniSalvate::impostazioni().setValue(kUltimaClasse, alunno->classe);
                         }
                         Percorso::mostraMenu(finestra);
                     });
    finestra->show();
    // The keys go to the question at once, as they went to the start screen.
    finestra->activateWindow();
    avvio->close();
    return true;
}

void RegistroProgramma::registra(AppState& stato, Registro& r, const Alunno& alunno) {
    inAttesa_ = r.perNome();
    // The review reads the pupil's answers in the file: none to read while
    // the answers wait by name.
    stato.registrazione =
        inAttesa_ ? r.registrazionePer(alunno) : registrazioneConRipasso(r, alunno);
    if (inAttesa_)
        scrivi(stderr, QStringLiteral("vocario: le risposte di «%1» aspettano in un giornale di "
                                      "questo utente: entreranno nel registro quando la sua "
                                      "classe si potrà leggere di nuovo.")
                           .arg(stato.registrazione->chiGioca()));
}

bool RegistroProgramma::cambiaAlunno(AppState& stato, QWidget* menu) {
    // The pupil named on the command line has played: the next one is asked.
    alunno_.clear();
    stato.registrazione.reset();
    return chiGioca(stato, menu);
}

void RegistroProgramma::aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) {
    auto* bottone = IngressoRegistro::bottone(
        dialogo, [this, &stato, dialogo] { apriRegistro(stato, dialogo); });
    riga->addWidget(bottone, 0, Qt::AlignLeft);
}

QString RegistroProgramma::avviso() const {
    if (inAttesa_)
        return avvisoRegistroInAttesa();
    return registro_ && registro_->errore() ? avvisoRegistroFermo() : QString();
}

void RegistroProgramma::apriRegistro(AppState& stato, QWidget* sopra) {
    Registro& r = registro(stato);
    if (r.errore()) {
        const size_t inAttesa = r.scrittore().stato().inAttesa;
        return Messaggi::avvisa(
            sopra, inAttesa == 0 ? *r.errore()
                                 : *r.errore() + QStringLiteral("\n\nLe operazioni degli alunni "
                                                                "in attesa (%1) sono tenute da "
                                                                "parte ed entreranno nel registro "
                                                                "quando si potrà aprire.")
                                                     .arg(inAttesa));
    }
    apriVistaRegistro(r, sopra);
}

std::optional<int> compitiDelRegistro(const CompitiRegistro& compiti, int argc, char* argv[]) {
    for (const QString& indirizzo : {compiti.registro, compiti.prepara})
        if (!indirizzo.isEmpty() && !ServerRegistro::leggi(indirizzo)) {
            scrivi(stderr, QStringLiteral("vocario: «%1» non è l'indirizzo di un server: si "
                                          "scrive postgresql://utente@host:porta/database, "
                                          "senza password (la password va nel file ~/.pgpass).")
                               .arg(indirizzo));
            return 2;
        }
    if (!compiti.elenchiClasse.isEmpty() &&
        compiti.cartellaElenchi.isEmpty() == !compiti.elenchiDelProgramma) {
        scrivi(stderr, QStringLiteral("vocario: dopo --elenchi-classe CLASSE si scrive la cartella "
                                      "degli elenchi, oppure --programma."));
        return 2;
    }
    if (compiti.importaClassi.isEmpty() && !compiti.azzeraPassword && compiti.prepara.isEmpty() &&
        compiti.elenchiClasse.isEmpty())
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
    if (!compiti.prepara.isEmpty())
        return preparaServer(*ServerRegistro::leggi(compiti.prepara));
    AppState stato(Cartelle::datiProgramma());
    // Classes imported go to the school's server when one is set.
    Registro registro(Registro::cartella(stato), ServerRegistro::impostato(compiti.registro));
    if (registro.errore()) {
        scrivi(stderr, QStringLiteral("vocario: ") + *registro.errore());
        return 1;
    }
    if (compiti.azzeraPassword) {
        QTextStream uscita(stdout);
        QTextStream errori(stderr);
        QTextStream ingresso(stdin);
        const int esito = AzzeraPassword::esegui(
            registro, {.chiave = compiti.chiaveDiRecupero, .conferma = compiti.conferma},
            {.uscita = uscita, .errori = errori, .leggiRiga = [&] { return ingresso.readLine(); }},
            QDateTime::currentDateTimeUtc());
        // Refused, nothing else is done either.
        if (esito != 0)
            return esito;
    }
    if (!compiti.importaClassi.isEmpty()) {
        const EsitoImportazione esito = importaClassi(registro, compiti.importaClassi);
        scrivi(esito.ok ? stdout : stderr, esito.messaggio);
        if (!esito.ok)
            return 1;
    }
    if (!compiti.elenchiClasse.isEmpty())
        return elenchiDellaClasse(registro, stato, compiti);
    return 0;
}

} // namespace vocario
