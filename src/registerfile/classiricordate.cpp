#include "classiricordate.h"

#include "giornale.h"
#include "ingressoregistro.h"

#include <QFile>

namespace vocario::ClassiRicordate {
namespace {

QByteArray testoDi(const QString& cartella) {
    const QString percorso = IngressoRegistro::classiRicordate(cartella);
    QFile file(percorso);
    if (!Giornale::fidato(percorso) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

Copia leggi(const QString& cartella) {
    const QByteArray testo = testoDi(cartella);
    const qsizetype fine = testo.indexOf('\n');
    if (fine < 0)
        return {};
    return {.registro = QString::fromUtf8(testo.left(fine)),
            .classi = classiDaJson(testo.mid(fine + 1))};
}

void ricorda(const QString& cartella, const QString& registro, const QList<Classe>& classi) {
    const QByteArray vecchio = testoDi(cartella);
    const QByteArray nuovo = registro.toUtf8() + '\n' + classiInJson(classi);
    if (vecchio == nuovo)
        return;
    if (classi.isEmpty() && !vecchio.isEmpty() && !vecchio.startsWith(registro.toUtf8() + '\n'))
        return;
    Giornale::cartellaPrivata();
    Giornale::scrivi(IngressoRegistro::classiRicordate(cartella), nuovo);
}

} // namespace vocario::ClassiRicordate
