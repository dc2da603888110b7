#include "passwordinsegnante.h"

#include "registro.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>
#include <QtEndian>

namespace vocario::PasswordInsegnante {
namespace {

const QString kChiave = QStringLiteral("password");
constexpr int kIterazioni = 100000;
constexpr int kLunghezza = 32;

// Constant time, so that a wrong guess tells nothing of where it went wrong.
bool uguali(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char diversi = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diversi |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diversi == 0;
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
    return !registro.impostazione(kChiave).isEmpty();
}

bool imposta(Registro& registro, const QString& password) {
    QByteArray sale(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(sale.data()), sale.size() / 4);
    const QByteArray hash = pbkdf2(password.toUtf8(), sale, kIterazioni, kLunghezza);
    return registro.impostaImpostazione(kChiave, QStringLiteral("pbkdf2-sha256$%1$%2$%3")
                                                     .arg(kIterazioni)
                                                     .arg(QString::fromLatin1(sale.toBase64()),
                                                          QString::fromLatin1(hash.toBase64())));
}

bool corretta(const Registro& registro, const QString& password) {
    const QStringList parti = registro.impostazione(kChiave).split(u'$');
    if (parti.size() != 4 || parti[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    const QByteArray atteso = QByteArray::fromBase64(parti[3].toLatin1());
    return uguali(pbkdf2(password.toUtf8(), QByteArray::fromBase64(parti[2].toLatin1()),
                         parti[1].toInt(), int(atteso.size())),
                  atteso);
}

bool azzera(Registro& registro) {
    QSqlQuery query(registro.db());
    query.prepare(QStringLiteral("DELETE FROM impostazioni WHERE chiave = ?"));
    query.addBindValue(kChiave);
    return query.exec();
}

} // namespace vocario::PasswordInsegnante
