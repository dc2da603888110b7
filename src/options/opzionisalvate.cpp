#include "opzionisalvate.h"

#include "tabellaopzioni.h"

#include <QSettings>

namespace vocario::OpzioniSalvate {
namespace {

QSettings impostazioni() {
    return QSettings(QStringLiteral("vocario"), QStringLiteral("vocario"));
}

QString chiave(const RigaOpzione& riga) {
    return QStringLiteral("opzioni/") + QLatin1String(riga.chiave);
}

} // namespace

Opzioni carica() {
    const QSettings s = impostazioni();
    Opzioni opzioni;
    if (s.status() != QSettings::NoError)
        return opzioni;
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (const auto valore = riga.valoreDi(s.value(chiave(riga)).toString()))
            riga.campo.imposta(opzioni, *valore);
    return opzioni;
}

bool salva(const Opzioni& opzioni) {
    QSettings s = impostazioni();
    for (const RigaOpzione& riga : tabellaOpzioni())
        s.setValue(chiave(riga), riga.parola(riga.campo.valore(opzioni)));
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace vocario::OpzioniSalvate
