#include "importaclassi.h"

#include "modificaalunni.h"
#include "registro.h"
#include "wordlists/wordlistreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace vocario {
namespace {

// Far more than a school has in one file.
constexpr int kMassimoAlunni = 5000;

struct NuovoAlunno {
    QString classe;
    QString nome;
};

// "Chi gioca?" and --alunno tell names apart regardless of case.
QString chiave(const QString& nome) {
    return nome.toCaseFolded();
}

// The register's classes, read once: each pupil added costs a lookup, not a
// reading of every name in the register.
class Aggiunta {
  public:
    explicit Aggiunta(Registro& registro) : registro_(registro) {
        for (const Classe& c : registro.classi()) {
            if (classi_.contains(chiave(c.nome)))
                continue; // of two names alike, the first, as --alunno finds it
            ClasseNota& nota = classi_[chiave(c.nome)];
            nota.id = c.id;
            for (const Alunno& a : c.alunni)
                nota.nomi.insert(chiave(a.nome));
        }
    }

    void aggiungi(const NuovoAlunno& alunno, EsitoImportazione& esito) {
        auto classe = classi_.find(chiave(alunno.classe));
        if (classe == classi_.end()) {
            const qint64 id = registro_.aggiungiClasse(alunno.classe);
            if (id == 0)
                return;
            classe = classi_.insert(chiave(alunno.classe), {id, {}});
            ++esito.classiNuove;
        }
        if (alunno.nome.isEmpty())
            return;
        if (classe->nomi.contains(chiave(alunno.nome))) {
            ++esito.giaPresenti;
            return;
        }
        if (registro_.aggiungiAlunno(classe->id, alunno.nome) == 0)
            return;
        classe->nomi.insert(chiave(alunno.nome));
        ++esito.alunniNuovi;
    }

  private:
    struct ClasseNota {
        qint64 id = 0;
        QSet<QString> nomi = {};
    };
    Registro& registro_;
    QHash<QString, ClasseNota> classi_;
};

// `nonFatto` ends the message when the server cannot be reached.
EsitoImportazione aggiungiTutti(Registro& registro, const QList<NuovoAlunno>& alunni,
                                const QString& nonFatto) {
    EsitoImportazione esito;
    QSqlDatabase db = registro.dbVista();
    if (!db.isOpen()) {
        esito.messaggio = QStringLiteral("Il server della scuola non risponde (%1): %2.")
                              .arg(registro.erroreServer(), nonFatto);
        return esito;
    }
    Aggiunta aggiunta(registro);
    db.transaction();
    for (const NuovoAlunno& alunno : alunni)
        aggiunta.aggiungi(alunno, esito);
    esito.ok = db.commit();
    if (!esito.ok)
        db.rollback();
    // Read once more: with a server this PC's copy for "Chi gioca?" takes
    // the new pupils at once, and the classes kept against a damaged file do.
    registro.classi();
    esito.messaggio =
        esito.ok ? QStringLiteral("Classi nuove: %1. Alunni aggiunti: %2. Alunni già presenti: %3.")
                       .arg(esito.classiNuove)
                       .arg(esito.alunniNuovi)
                       .arg(esito.giaPresenti)
                 : QStringLiteral("Il registro non si può scrivere.");
    return esito;
}

// A first line of column names, as a school's register or a spreadsheet
// exports it ("Classe;Alunno", "CLASSE, NOME E COGNOME"): no class is
// called "Classe".
bool intestazione(const QStringList& riga) {
    static const QStringList classi{"classe", "classi", "class", "sezione"};
    static const QStringList nomi{"alunn", "nom", "cognom", "student", "alliev", "pupil", "name"};
    const QString classe = riga.value(0).simplified().toCaseFolded();
    const QString nome = riga.value(1).simplified().toCaseFolded();
    return classi.contains(classe) &&
           std::any_of(nomi.cbegin(), nomi.cend(),
                       [&nome](const QString& inizio) { return nome.startsWith(inizio); });
}

// The first line whose class or name cannot be used, as the teacher is told it.
std::optional<QString> rigaRifiutata(const WordListResult& letto, const QString& file) {
    for (qsizetype r = 0; r < letto.records.size(); ++r)
        for (const bool diClasse : {true, false}) {
            const QString nome = letto.records[r].value(diClasse ? 0 : 1).trimmed();
            if (const std::optional<QString> carattere = ModificaAlunni::carattereVietato(nome))
                return QStringLiteral("Nel file %1, alla riga %2, il nome %3«%4» non può "
                                      "contenere %5. Le classi non sono state importate.")
                    .arg(file, QString::number(letto.recordLines.value(r)),
                         diClasse ? QStringLiteral("della classe ") : QString(),
                         ModificaAlunni::nomeMostrabile(nome), *carattere);
        }
    return std::nullopt;
}

} // namespace

EsitoImportazione importaClassi(Registro& registro, const QString& file) {
    EsitoImportazione esito;
    QFile ingresso(file);
    if (!ingresso.open(QIODevice::ReadOnly)) {
        esito.messaggio =
            QStringLiteral("Il file %1 non si può leggere.").arg(QDir::toNativeSeparators(file));
        return esito;
    }
    const QString nomeFile = QFileInfo(file).fileName();
    WordListResult letto = WordListReader::parse(ingresso.read(WordListReader::kMaxFileBytes),
                                                 nomeFile, 2, kMassimoAlunni, true);
    if (!letto.ok) {
        esito.messaggio = letto.error;
        return esito;
    }
    QString saltata;
    if (!letto.records.isEmpty() && intestazione(letto.records.first())) {
        saltata = QStringLiteral("La riga %1 («%2») è un'intestazione, non un alunno: non è stata "
                                 "importata. ")
                      .arg(letto.recordLines.first())
                      .arg(letto.records.first().join(QStringLiteral("; ")).simplified());
        letto.records.removeFirst();
        letto.recordLines.removeFirst();
    }
    if (std::optional<QString> motivo = rigaRifiutata(letto, nomeFile)) {
        esito.messaggio = *motivo;
        return esito;
    }
    QList<NuovoAlunno> alunni;
    alunni.reserve(letto.records.size());
    for (const QStringList& riga : letto.records) {
        NuovoAlunno alunno{riga.value(0).trimmed(), riga.value(1).trimmed()};
        if (!alunno.classe.isEmpty() && !alunno.nome.isEmpty())
            alunni.append(std::move(alunno));
    }
    esito = aggiungiTutti(registro, alunni, QStringLiteral("le classi non sono state importate"));
    esito.messaggio.prepend(saltata);
    return esito;
}

EsitoImportazione aggiungiAlunni(Registro& registro, const QString& classe, const QString& nomi) {
    EsitoImportazione esito;
    if (classe.trimmed().isEmpty()) {
        esito.messaggio = QStringLiteral("Il nome della classe non può essere vuoto.");
        return esito;
    }
    if (std::optional<QString> motivo = ModificaAlunni::nomeRifiutato(classe.trimmed(), true)) {
        esito.messaggio = *motivo;
        return esito;
    }
    // The class first, made even when no name was typed, as the dialog did.
    QList<NuovoAlunno> alunni{{classe.trimmed(), {}}};
    for (const QString& riga : nomi.split(u'\n', Qt::SkipEmptyParts)) {
        const QString nome = riga.trimmed();
        if (nome.isEmpty())
            continue;
        if (std::optional<QString> motivo = ModificaAlunni::nomeRifiutato(nome)) {
            esito.messaggio = *motivo;
            return esito;
        }
        alunni.append({classe.trimmed(), nome});
    }
    return aggiungiTutti(registro, alunni, QStringLiteral("gli alunni non sono stati aggiunti"));
}

} // namespace vocario
