#include "passwordinsegnante.h"

#include "registro.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>
#include <QtEndian>
#include <algorithm>

namespace vocario::PasswordInsegnante {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

const QString kPassword = QStringLiteral("password");
const QString kChiaveDiRecupero = QStringLiteral("chiave-di-recupero");
// "3 2025-02-03T10:15:00.000Z": how many wrong guesses in a row, and when
// the last one came.
const QString kProveSbagliate = QStringLiteral("prove-sbagliate");
constexpr int kIterazioni = 100000;
constexpr int kLunghezza = 32;
constexpr milliseconds kAttesaMassima = 30s;
// No 0, O, 1 or I, which a teacher copying the key from paper would mix up.
constexpr char kSimboliChiave[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kSimboliNellaChiave = 16;
constexpr int kSimboliPerGruppo = 4;

// Constant time, so that a wrong guess tells nothing of where it went wrong.
bool uguali(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char diversi = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diversi |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diversi == 0;
}

// "pbkdf2-sha256$ITERAZIONI$SALE$HASH", with a new random salt.
QString impronta(const QString& segreto) {
    QByteArray sale(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(sale.data()), sale.size() / 4);
    const QByteArray hash = pbkdf2(segreto.toUtf8(), sale, kIterazioni, kLunghezza);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(kIterazioni)
        .arg(QString::fromLatin1(sale.toBase64()), QString::fromLatin1(hash.toBase64()));
}

bool corrisponde(const QString& impronta, const QString& segreto) {
    const QStringList parti = impronta.split(u'$');
    if (parti.size() != 4 || parti[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    const QByteArray atteso = QByteArray::fromBase64(parti[3].toLatin1());
    return uguali(pbkdf2(segreto.toUtf8(), QByteArray::fromBase64(parti[2].toLatin1()),
                         parti[1].toInt(), int(atteso.size())),
                  atteso);
}

bool togli(Registro& registro, const QString& chiave) {
    QSqlQuery query(registro.db());
    query.prepare(QStringLiteral("DELETE FROM impostazioni WHERE chiave = ?"));
    query.addBindValue(chiave);
    return query.exec();
}

struct ProveSbagliate {
    int quante = 0;
    QDateTime ultima = {};
};

ProveSbagliate proveSbagliate(const Registro& registro) {
    const QStringList parti = registro.impostazione(kProveSbagliate).split(u' ');
    const ProveSbagliate prove{.quante = parti.value(0).toInt(),
                               .ultima = QDateTime::fromString(parti.value(1), Qt::ISODateWithMs)};
    return prove.quante > 0 && prove.ultima.isValid() ? prove : ProveSbagliate{};
}

void contaSbagliata(Registro& registro, const QDateTime& adesso) {
    const int quante = proveSbagliate(registro).quante + 1;
    registro.impostaImpostazione(kProveSbagliate, QStringLiteral("%1 %2").arg(quante).arg(
                                                      adesso.toUTC().toString(Qt::ISODateWithMs)));
}

Prova prova(Registro& registro, const QString& chiave, const QString& segreto,
            const QDateTime& adesso) {
    if (const milliseconds rimasta = attesaRimasta(registro, adesso); rimasta > 0ms)
        return {.esito = Prova::Esito::Presto, .attesa = rimasta};
    if (corrisponde(registro.impostazione(chiave), segreto)) {
        togli(registro, kProveSbagliate);
        return {.esito = Prova::Esito::Giusta};
    }
    contaSbagliata(registro, adesso);
    return {.esito = Prova::Esito::Sbagliata,
            .attesa = attesaDopo(proveSbagliate(registro).quante)};
}

} // namespace

QByteArray pbkdf2(const QByteArray& password, const QByteArray& sale, int iterazioni,
                  int lunghezza) {
    QByteArray chiave;
    QMessageAuthenticationCode hmac(QCryptographicHash::Sha256, password);
    for (quint32 blocco = 1; chiave.size() < lunghezza; ++blocco) {
        quint32 numero = qToBigEndian(blocco);
        hmac.reset();
        hmac.addData(sale);
        hmac.addData(reinterpret_cast<const char*>(&numero), sizeof numero);
        QByteArray u = hmac.result();
        QByteArray t = u;
        for (int i = 1; i < iterazioni; ++i) {
            hmac.reset();
            hmac.addData(u);
            u = hmac.result();
            for (qsizetype k = 0; k < t.size(); ++k)
                t[k] = char(t[k] ^ u[k]);
        }
        chiave += t;
    }
    return chiave.left(lunghezza);
}

bool impostata(const Registro& registro) {
    return !registro.impostazione(kPassword).isEmpty();
}

std::optional<QString> imposta(Registro& registro, const QString& password) {
    const QString chiave = nuovaChiaveDiRecupero();
    QSqlDatabase db = registro.db();
    // The password never without its key, nor with an old one.
    const bool transazione = db.transaction();
    const bool scritte =
        registro.impostaImpostazione(kPassword, impronta(password)) &&
        registro.impostaImpostazione(kChiaveDiRecupero, impronta(chiaveNormalizzata(chiave))) &&
        togli(registro, kProveSbagliate);
    if (scritte && (!transazione || db.commit()))
        return chiave;
    if (transazione)
        db.rollback();
    return std::nullopt;
}

bool corretta(const Registro& registro, const QString& password) {
    return corrisponde(registro.impostazione(kPassword), password);
}

bool haChiaveDiRecupero(const Registro& registro) {
    return !registro.impostazione(kChiaveDiRecupero).isEmpty();
}

bool azzera(Registro& registro) {
    return togli(registro, kProveSbagliate) && togli(registro, kChiaveDiRecupero) &&
           togli(registro, kPassword);
}

QString nuovaChiaveDiRecupero() {
    constexpr quint32 simboli = sizeof kSimboliChiave - 1;
    static_assert(simboli == 32, "five bits a symbol, drawn evenly");
    QString chiave;
    for (int i = 0; i < kSimboliNellaChiave; ++i) {
        if (i > 0 && i % kSimboliPerGruppo == 0)
            chiave += u'-';
        chiave += QLatin1Char(kSimboliChiave[QRandomGenerator::system()->bounded(simboli)]);
    }
    return chiave;
}

QString chiaveNormalizzata(const QString& scritta) {
    QString chiave;
    for (const QChar c : scritta.toUpper()) {
        if (c == u'-' || c.isSpace())
            continue;
        if (!QLatin1String(kSimboliChiave).contains(c))
            return {};
        chiave += c;
    }
    return chiave.size() == kSimboliNellaChiave ? chiave : QString();
}

milliseconds attesaDopo(int sbagliate) {
    if (sbagliate <= 0)
        return 0ms;
    // Past 2^5 s the wait is the longest anyway; the shift stays small.
    const milliseconds doppia = 1000ms * (1 << std::min(sbagliate - 1, 5));
    return std::min(doppia, kAttesaMassima);
}

milliseconds attesaRimasta(const Registro& registro, const QDateTime& adesso) {
    const ProveSbagliate prove = proveSbagliate(registro);
    const milliseconds intera = attesaDopo(prove.quante);
    if (intera == 0ms)
        return 0ms;
    // A clock set back never makes the wait longer than its whole.
    const milliseconds trascorsa(prove.ultima.msecsTo(adesso));
    return std::clamp(intera - trascorsa, 0ms, intera);
}

QString riprovaTra(milliseconds attesa) {
    const qint64 secondi = std::max<qint64>(1, (attesa.count() + 999) / 1000);
    return secondi == 1 ? QStringLiteral("Si può riprovare tra 1 secondo.")
                        : QStringLiteral("Si può riprovare tra %1 secondi.").arg(secondi);
}

Prova provaPassword(Registro& registro, const QString& password, const QDateTime& adesso) {
    return prova(registro, kPassword, password, adesso);
}

Prova provaChiaveDiRecupero(Registro& registro, const QString& chiave, const QDateTime& adesso) {
    return prova(registro, kChiaveDiRecupero, chiaveNormalizzata(chiave), adesso);
}

} // namespace vocario::PasswordInsegnante
