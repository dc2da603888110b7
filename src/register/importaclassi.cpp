#include "importaclassi.h"

#include "registro.h"
#include "wordlists/wordlistreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace vocario {
namespace {

// Far more than a school has in one file.
constexpr int kMassimoAlunni = 5000;

} // namespace

EsitoImportazione importaClassi(Registro& registro, const QString& file) {
    EsitoImportazione esito;
    QFile ingresso(file);
    if (!ingresso.open(QIODevice::ReadOnly)) {
        esito.messaggio =
            QStringLiteral("Il file %1 non si può leggere.").arg(QDir::toNativeSeparators(file));
        return esito;
    }
    const WordListResult letto =
        WordListReader::parse(ingresso.read(WordListReader::kMaxFileBytes),
                              QFileInfo(file).fileName(), 2, kMassimoAlunni);
    if (!letto.ok) {
        esito.messaggio = letto.error;
        return esito;
    }
    QSqlDatabase db = registro.dbVista();
    if (!db.isOpen()) {
        esito.messaggio = QStringLiteral("Il server della scuola non risponde (%1): le classi "
                                         "non sono state importate.")
                              .arg(registro.erroreServer());
        return esito;
    }
    const int primaClassi = int(registro.classi().size());
    QHash<QString, qint64> classi;
    db.transaction();
    for (const QStringList& riga : letto.records) {
        const QString classe = riga.value(0).trimmed();
        const QString nome = riga.value(1).trimmed();
        if (classe.isEmpty() || nome.isEmpty())
            continue;
        if (!classi.contains(classe))
            classi.insert(classe, registro.aggiungiClasse(classe));
        const bool eraGia = registro.trovaAlunno(classe + u'/' + nome).has_value();
        if (registro.aggiungiAlunno(classi.value(classe), nome) == 0)
            continue;
        eraGia ? ++esito.giaPresenti : ++esito.alunniNuovi;
    }
    esito.ok = db.commit();
    esito.classiNuove = int(registro.classi().size()) - primaClassi;
    esito.messaggio = esito.ok ? QStringLiteral("Classi nuove: %1. Alunni aggiunti: %2. Alunni "
                                                "già presenti: %3.")
                                     .arg(esito.classiNuove)
                                     .arg(esito.alunniNuovi)
                                     .arg(esito.giaPresenti)
                               : QStringLiteral("Il registro non si può scrivere.");
    return esito;
}

} // namespace vocario
