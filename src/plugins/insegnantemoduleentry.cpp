// The entry of the teacher's module: the register and the worksheets, with
// Qt SQL and Qt Print Support. The rest of the program it uses is the
// program's own, which exports it for this module (see the CMakeLists).

#include "app/moduloinsegnante.h"
#include "registerview/registroprogramma.h"
#include "sheets/dialogoschede.h"
#include "sheets/schedadariga.h"

namespace {

vocario::RegistroClasse* creaRegistro(const QString& alunno, const QString& server) {
    return new vocario::RegistroProgramma(alunno, server);
}

} // namespace

extern "C" Q_DECL_EXPORT const vocario::ModuloInsegnante::Voci* vocario_insegnante() {
    static const vocario::ModuloInsegnante::Voci voci{
        .creaRegistro = creaRegistro,
        .compitiDelRegistro = vocario::compitiDelRegistro,
        .schedaDaRigaDiComando = vocario::schedaDaRigaDiComando,
        .mostraSchedeDaStampare = vocario::mostraSchedeDaStampare,
    };
    return &voci;
}
