#include "ingressoregistro.h"

#include "core/appstate.h"
#include "options/opzionisalvate.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace vocario::IngressoRegistro {
namespace {

const QString kChiaveServer = QStringLiteral("registro/server");

} // namespace

QString cartella(const AppState& stato) {
    if (!stato.cartellaRegistro.isEmpty())
        return stato.cartellaRegistro;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString file(const QString& cartella) {
    return cartella + QStringLiteral("/registro.sqlite");
}

QString classiRicordate(const QString& cartella) {
    const QByteArray nome =
        QCryptographicHash::hash(file(cartella).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/vocario/registro-%1.classi").arg(QString::fromLatin1(nome));
}

QString server(const QString& daRiga) {
    if (!daRiga.isEmpty())
        return daRiga;
    const QString dellUtente = OpzioniSalvate::impostazioni().value(kChiaveServer).toString();
    if (!dellUtente.isEmpty())
        return dellUtente;
    return QSettings(QSettings::SystemScope, QStringLiteral("vocario"), QStringLiteral("vocario"))
        .value(kChiaveServer)
        .toString();
}

bool daAprire(const AppState& stato, const QString& daRiga) {
    return QFileInfo::exists(file(cartella(stato))) ||
           QFileInfo::exists(classiRicordate(cartella(stato))) || !server(daRiga).isEmpty();
}

QPushButton* bottone(QWidget* dialogo, std::function<void()> apri) {
    auto* bottone = new QPushButton(QStringLiteral("Registro"), dialogo);
    bottone->setObjectName(QStringLiteral("BottoneRegistro"));
    bottone->setAccessibleDescription(
        QStringLiteral("Classi, alunni e le parole sbagliate, per l'insegnante"));
    QObject::connect(bottone, &QPushButton::clicked, dialogo, std::move(apri));
    return bottone;
}

} // namespace vocario::IngressoRegistro
