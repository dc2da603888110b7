// The class register's costs: one answer recorded, as the window pays it,
// and the teacher's view opened on a school year of a class (200000 answers
// by default), with the size of that file.
//   bench_register [--answers N] [--recorded N]

#include "benchstats.h"
#include "core/registrazione.h"
#include "exercises/catalogo.h"
#include "register/registro.h"
#include "registerfile/fileregistro.h"
#include "registerview/vistaregistro.h"
#include "registrofinto.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

using namespace vocario;

namespace {

int argomento(const QStringList& args, const QString& nome, int predefinito) {
    const qsizetype i = args.indexOf(nome);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : predefinito;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int quante = argomento(args, "--answers", 200000);
    const int registrate = argomento(args, "--recorded", 20000);
    QTemporaryDir cartella;
    // --keep: the folder stays, to look into the file with sqlite3.
    cartella.setAutoRemove(!args.contains("--keep"));
    if (args.contains("--keep"))
        std::fprintf(stderr, "register files in %s\n", qPrintable(cartella.path()));

    // One answer as the window records it.
    {
        Registro registro(cartella.path() + "/registrazione");
        const Alunno alunno{.id = registro.aggiungiAlunno(registro.aggiungiClasse("1ª"), "Ada")};
        std::unique_ptr<Registrazione> registrazione = registro.registrazionePer(alunno);
        std::vector<double> costi;
        QElapsedTimer orologio;
        for (int i = 0; i < registrate; ++i) {
            const RispostaData r{.esercizio = "abbina-contrari",
                                 .voce = QStringLiteral("alto / basso %1").arg(i % 300),
                                 .dato = QStringLiteral("basso"),
                                 .esatta = i % 3 != 0,
                                 .secondi = 2.5};
            orologio.start();
            registrazione->risposta(r);
            costi.push_back(double(orologio.nsecsElapsed()) / 1000.0);
        }
        bench::printRow("register answer", "cost to the window", costi, "us", "<= 1000");
        registrazione.reset();
        registro.scrittore().svuota(std::chrono::seconds(60));
    }

    // The teacher's view on a class's year.
    Registro registro(cartella.path() + "/anno");
    riempiRegistro(registro, 30, quante);
    std::vector<double> aperture;
    std::vector<double> ripassi;
    for (int volta = 0; volta < 5; ++volta) {
        QElapsedTimer orologio;
        orologio.start();
        auto* vista = new VistaRegistro(registro, nullptr);
        vista->show();
        QApplication::processEvents();
        aperture.push_back(double(orologio.nsecsElapsed()) / 1e6);
        // "Ripasso" rebuilds every pupil's review from the class's answers.
        orologio.restart();
        for (int scheda = 0; scheda < vista->schede()->count(); ++scheda)
            if (vista->schede()->tabText(scheda) == QLatin1String("Ripasso"))
                vista->schede()->setCurrentIndex(scheda);
        QApplication::processEvents();
        ripassi.push_back(double(orologio.nsecsElapsed()) / 1e6);
        delete vista;
    }
    bench::printRow("register view", QStringLiteral("open on %1 answers").arg(quante).toStdString(),
                    aperture, "ms", "<= 1000");
    bench::printRow("register view",
                    QStringLiteral("review tab on %1 answers").arg(quante).toStdString(), ripassi,
                    "ms", "<= 1000");
    const double megabyte = double(QFileInfo(registro.percorsoFile()).size()) / 1e6;
    bench::printRow("register file", QStringLiteral("%1 answers").arg(quante).toStdString(),
                    {megabyte}, "MB", "<= 50");
    return 0;
}
