#include "moduloinsegnante.h"

#include "core/cartelle.h"
#include "core/moduleentry.h"
#include "frame/messaggi.h"

#include <cstdio>

namespace vocario::ModuloInsegnante {
namespace {

const Voci* impostate = nullptr;

} // namespace

void impostaVoci(const Voci* voci) {
    impostate = voci;
}

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

namespace {

// For the command line: the module, or null after saying on the standard
// error why it is missing.
const Voci* caricaDallaRiga() {
    QString motivo;
    const Voci* voci = carica(&motivo);
    if (!voci)
        std::fputs(qPrintable(QStringLiteral("vocario: ") + motivo + u'\n'), stderr);
    return voci;
}

} // namespace

std::optional<int> compitiDelRegistro(const CompitiRegistro& compiti, int argc, char* argv[]) {
    if (compiti.importaClassi.isEmpty() && !compiti.azzeraPassword && compiti.prepara.isEmpty() &&
        compiti.registro.isEmpty() && compiti.elenchiClasse.isEmpty())
        return std::nullopt;
    const Voci* voci = caricaDallaRiga();
    return voci ? voci->compitiDelRegistro(compiti, argc, argv) : 1;
}

int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo) {
    const Voci* voci = caricaDallaRiga();
    return voci ? voci->schedaDaRigaDiComando(riga, scelte, catalogo) : 1;
}

void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent) {
    QString motivo;
    if (const Voci* voci = carica(&motivo))
        return voci->mostraSchedeDaStampare(stato, catalogo, parent);
    Messaggi::avvisa(parent, motivo);
}

} // namespace vocario::ModuloInsegnante
