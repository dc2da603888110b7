#include "registroprogramma.h"

#include "app/navigazione.h"
#include "app/rigadicomando.h"
#include "core/appstate.h"
#include "finestrachigioca.h"
#include "frame/messaggi.h"
#include "importaclassi.h"
#include "passwordinsegnante.h"
#include "registro.h"
#include "teacher/verificadariga.h"
#include "vistaregistro.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <cstdio>

namespace vocario {
namespace {

const QString kUltimaClasse = QStringLiteral("registro/ultimaClasse");

void scrivi(std::FILE* dove, const QString& testo) {
    std::fputs(qPrintable(testo + u'\n'), dove);
}

} // namespace

RegistroProgramma::RegistroProgramma(QString alunno) : alunno_(std::move(alunno)) {}
RegistroProgramma::~RegistroProgramma() = default;

Registro& RegistroProgramma::registro(const AppState& stato) {
    if (!registro_)
        registro_ = std::make_unique<Registro>(Registro::cartella(stato));
    return *registro_;
}

bool RegistroProgramma::chiGioca(AppState& stato, QWidget* avvio) {
    if (!registro_ && !Registro::esiste(stato))
        return false;
    Registro& r = registro(stato);
    // A register that cannot be read is the teacher's to see in "Registro";
    // the pupils play on as guests meanwhile.
    if (r.errore() || !r.ciSonoClassi())
        return false;
    if (!alunno_.isEmpty()) {
        if (const std::optional<Alunno> alunno = r.trovaAlunno(alunno_)) {
            stato.registrazione = r.registrazionePer(*alunno);
            return false;
        }
        scrivi(stderr,
               QStringLiteral("vocario: «%1» non è tra gli alunni del registro.").arg(alunno_));
        alunno_.clear();
    }
    auto* finestra = new FinestraChiGioca(r.classi(), QSettings().value(kUltimaClasse).toString());
    finestra->setGeometry(avvio->geometry());
    QObject::connect(finestra, &FinestraChiGioca::scelto, finestra,
                     [&stato, &r, finestra](const std::optional<Alunno>& alunno) {
                         stato.registrazione.reset();
                         if (alunno) {
                             stato.registrazione = r.registrazionePer(*alunno);
                             QSettings().setValue(kUltimaClasse, alunno->classe);
                         }
                         Navigazione::mostraMenu(finestra);
                     });
    finestra->show();
    // The keys go to the question at once, as they went to the start screen.
    finestra->activateWindow();
    avvio->close();
    return true;
}

void RegistroProgramma::aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) {
    auto* bottone = new QPushButton(QStringLiteral("Registro"), dialogo);
    bottone->setObjectName(QStringLiteral("BottoneRegistro"));
    bottone->setAccessibleDescription(
        QStringLiteral("Classi, alunni e le parole sbagliate, per l'insegnante"));
    QObject::connect(bottone, &QPushButton::clicked, dialogo, [this, &stato, dialogo] {
        Registro& r = registro(stato);
        if (r.errore())
            return Messaggi::avvisa(dialogo, *r.errore());
        apriVistaRegistro(r, dialogo);
    });
    riga->addWidget(bottone, 0, Qt::AlignLeft);
}

std::optional<int> compitiDelRegistro(const RigaDiComando::CompitiRegistro& compiti, int argc,
                                      char* argv[]) {
    if (compiti.importaClassi.isEmpty() && !compiti.azzeraPassword)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
    AppState stato;
    Registro registro(Registro::cartella(stato));
    if (registro.errore()) {
        scrivi(stderr, QStringLiteral("vocario: ") + *registro.errore());
        return 1;
    }
    if (compiti.azzeraPassword) {
        if (!PasswordInsegnante::azzera(registro)) {
            scrivi(stderr, QStringLiteral("vocario: la password non si può togliere."));
            return 1;
        }
        scrivi(stdout, QStringLiteral("La password dell'insegnante è stata tolta: alla prossima "
                                      "apertura del registro se ne sceglie una nuova. I dati "
                                      "sono rimasti."));
    }
    if (!compiti.importaClassi.isEmpty()) {
        const EsitoImportazione esito = importaClassi(registro, compiti.importaClassi);
        scrivi(esito.ok ? stdout : stderr, esito.messaggio);
        if (!esito.ok)
            return 1;
    }
    return 0;
}

} // namespace vocario
