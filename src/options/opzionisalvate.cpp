#include "opzionisalvate.h"

#include "tabellaopzioni.h"

#include <QCoreApplication>
#include <QFile>

namespace vocario::OpzioniSalvate {
namespace {

// Where earlier versions kept the register's settings: Qt's default place
// when the program names no organisation.
void riprendiDalVecchioPosto() {
    QSettings vecchie(QStringLiteral("Unknown Organization"), QCoreApplication::applicationName());
    if (!QFile::exists(vecchie.fileName()))
        return;
    QSettings nuove(QStringLiteral("vocario"), QStringLiteral("vocario"));
    for (const QString& chiave : vecchie.allKeys())
        if (!nuove.contains(chiave))
            nuove.setValue(chiave, vecchie.value(chiave));
    nuove.sync();
    if (nuove.status() == QSettings::NoError)
        QFile::remove(vecchie.fileName());
}

// The options alone: earlier versions kept them here already, so the start
// screen never looks for the register's old settings.
QSettings fileDelleOpzioni() {
    return QSettings(QStringLiteral("vocario"), QStringLiteral("vocario"));
}

QString chiave(const RigaOpzione& riga) {
    return QStringLiteral("opzioni/") + QLatin1String(riga.chiave);
}

} // namespace

QSettings impostazioni() {
    riprendiDalVecchioPosto();
    return fileDelleOpzioni();
}

Opzioni carica() {
    const QSettings s = fileDelleOpzioni();
    Opzioni opzioni;
    if (s.status() != QSettings::NoError)
        return opzioni;
    for (const RigaOpzione& riga : tabellaOpzioni())
        if (const auto valore = riga.valoreDi(s.value(chiave(riga)).toString()))
            riga.campo.imposta(opzioni, *valore);
    return opzioni;
}

bool salva(const Opzioni& opzioni) {
    QSettings s = fileDelleOpzioni();
    for (const RigaOpzione& riga : tabellaOpzioni())
        s.setValue(chiave(riga), riga.parola(riga.campo.valore(opzioni)));
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace vocario::OpzioniSalvate
