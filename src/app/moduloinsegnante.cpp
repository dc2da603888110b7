#include "moduloinsegnante.h"

#include "core/cartelle.h"
#include "core/moduleentry.h"
#include "frame/messaggi.h"
#include "rigadicomando.h"

#include <cstdio>
#include <cstring>

namespace vocario::ModuloInsegnante {
namespace {

void diAllaRiga(const QString& motivo) {
    std::fputs(qPrintable(motivo + u'\n'), stderr);
}

const Voci* impostate = nullptr;

} // namespace

void impostaVoci(const Voci* voci) { impostate = voci; }

const Voci* carica(QString* motivo) {
    if (impostate)
        return impostate;
    // Looked up once: a module found stays loaded, one missing stays missing.
    static const Voci* const voci = [] {
        const auto entrata =
            moduleEntry<EntryPoint>(Cartelle::cartellaModuli(), kFileName, kEntryPoint);
        return entrata ? entrata() : nullptr;
    }();
    if (!voci && motivo)
        *motivo = QStringLiteral("Manca la parte del programma per il registro e le schede (%1).")
                      .arg(QLatin1String(kFileName));
    return voci;
}

std::optional<int> compitiDelRegistro(const RigaDiComando::CompitiRegistro& compiti, int argc,
                                      char* argv[]) {
    if (compiti.importaClassi.isEmpty() && !compiti.azzeraPassword && compiti.prepara.isEmpty() &&
        compiti.registro.isEmpty())
        return std::nullopt;
    QString motivo;
    const Voci* voci = carica(&motivo);
    if (!voci) {
        diAllaRiga(QStringLiteral("vocario: ") + motivo);
        return 1;
    }
    return voci->compitiDelRegistro(compiti, argc, argv);
}

std::optional<int> schedaDaRigaDiComando(int argc, char* argv[], const Catalogo& catalogo) {
    bool chiesta = false;
    for (int i = 1; i < argc && !chiesta; ++i)
        chiesta =
            std::strcmp(argv[i], "--scheda") == 0 || std::strncmp(argv[i], "--scheda=", 9) == 0;
    if (!chiesta)
        return std::nullopt;
    QString motivo;
    const Voci* voci = carica(&motivo);
    if (!voci) {
        diAllaRiga(QStringLiteral("vocario: ") + motivo);
        return 1;
    }
    return voci->schedaDaRigaDiComando(argc, argv, catalogo);
}

void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent) {
    QString motivo;
    if (const Voci* voci = carica(&motivo))
        return voci->mostraSchedeDaStampare(stato, catalogo, parent);
    Messaggi::avvisa(parent, motivo);
}

} // namespace vocario::ModuloInsegnante
