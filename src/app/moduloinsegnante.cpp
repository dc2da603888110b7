#include "moduloinsegnante.h"

#include "core/cartelle.h"
#include "core/moduleentry.h"
#include "frame/messaggi.h"

#include <cstdio>

namespace vocario::ModuloInsegnante {
namespace {

void diAllaRiga(const QString& motivo) {
    std::fputs(qPrintable(motivo + u'\n'), stderr);
}

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

std::optional<int> compitiDelRegistro(const CompitiRegistro& compiti, int argc, char* argv[]) {
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

int schedaDaRigaDiComando(const RigaScheda& riga, const ScelteOpzioni& scelte,
                          const Catalogo& catalogo) {
    QString motivo;
    const Voci* voci = carica(&motivo);
    if (!voci) {
        diAllaRiga(QStringLiteral("vocario: ") + motivo);
        return 1;
    }
    return voci->schedaDaRigaDiComando(riga, scelte, catalogo);
}

void mostraSchedeDaStampare(AppState& stato, const Catalogo& catalogo, QWidget* parent) {
    QString motivo;
    if (const Voci* voci = carica(&motivo))
        return voci->mostraSchedeDaStampare(stato, catalogo, parent);
    Messaggi::avvisa(parent, motivo);
}

} // namespace vocario::ModuloInsegnante
