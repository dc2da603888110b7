#include "ripassovista.h"

#include "register/rispostealunno.h"
#include "tabellevista.h"

#include <QDateTime>
#include <QStandardItemModel>
#include <algorithm>

namespace vocario::RipassoVista {
namespace {

using Fase = StatoVoce::Fase;

// The words of a list in one cell: their own separator (" / ", ", ") stays
// readable between them.
QString elenco(const QStringList& parole) {
    return parole.join(QStringLiteral("; "));
}

void ordina(QStringList& parole) {
    std::sort(parole.begin(), parole.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
}

QString fase(const StatoVoce& stato) {
    switch (stato.fase) {
    case Fase::Sbagliata:
        return QStringLiteral("sbagliata l'ultima volta");
    case Fase::Domani:
        return QStringLiteral("esatta dopo l'errore");
    case Fase::Intervallo:
        return QStringLiteral("esatta, torna dopo %1 giorni")
            .arg(Ripasso::kIntervalli[stato.scatola]);
    case Fase::Imparata:
        return QStringLiteral("imparata");
    }
    return {};
}

// When the word comes back: a day, or as soon as the pupil plays.
QStandardItem* prossima(const StatoVoce& stato, qint64 adesso) {
    if (stato.fase == Fase::Imparata)
        return TabelleVista::testo(QStringLiteral("non torna più"));
    if (stato.fase == Fase::Sbagliata || stato.scade <= adesso)
        return TabelleVista::testo(QStringLiteral("alla prossima partita"));
    auto* giorno = TabelleVista::testo(
        QDateTime::fromMSecsSinceEpoch(stato.scade).toString(QStringLiteral("dd/MM/yyyy")));
    giorno->setData(stato.scade, Qt::UserRole);
    return giorno;
}

} // namespace

Classe leggi(const QSqlDatabase& db, const vocario::Classe& classe) {
    Classe letta;
    auto risposte = risposteDellaClasse(db, classe.id);
    if (!risposte)
        return letta;
    letta.letto = true;
    struct Conto {
        int errate = 0;
        int alunni = 0;
        int imparata = 0;
    };
    QHash<QString, QHash<QString, Conto>> conti;
    for (const Alunno& alunno : classe.alunni) {
        const auto sue = risposte->find(alunno.id);
        if (sue == risposte->end())
            continue;
        // The answers' missed words first: the review keeps only where
        // each word stands.
        QHash<QString, QHash<QString, int>> errate;
        for (const RispostaRipasso& r : *sue)
            if (!r.esatta)
                ++errate[r.esercizio][r.voce];
        const Ripasso& ripasso = letta.ripassi[alunno.id] = Ripasso::daRisposte(std::move(*sue));
        QStringList esercizi = ripasso.esercizi();
        esercizi.sort();
        for (const QString& esercizio : esercizi) {
            AlunnoEsercizio riga{.alunno = alunno.id, .nome = alunno.nome, .esercizio = esercizio};
            const QHash<QString, StatoVoce> voci = ripasso.voci(esercizio);
            for (auto v = voci.cbegin(); v != voci.cend(); ++v)
                (v->fase == Fase::Imparata ? riga.imparate : riga.inRipasso) << v.key();
            ordina(riga.inRipasso);
            ordina(riga.imparate);
            letta.alunni << riga;
            const QHash<QString, int>& sbagliate = errate[esercizio];
            for (auto e = sbagliate.cbegin(); e != sbagliate.cend(); ++e) {
                Conto& conto = conti[esercizio][e.key()];
                conto.errate += e.value();
                ++conto.alunni;
                conto.imparata += voci.value(e.key()).fase == Fase::Imparata;
            }
        }
    }
    for (auto e = conti.cbegin(); e != conti.cend(); ++e)
        for (auto v = e->cbegin(); v != e->cend(); ++v)
            letta.parole.append({.voce = v.key(),
                                 .esercizio = e.key(),
                                 .errate = v->errate,
                                 .alunni = v->alunni,
                                 .ancora = v->alunni - v->imparata,
                                 .imparata = v->imparata});
    // As "Parole più sbagliate" orders them.
    std::sort(letta.parole.begin(), letta.parole.end(),
              [](const ParolaSbagliata& a, const ParolaSbagliata& b) {
                  if (a.errate != b.errate)
                      return a.errate > b.errate;
                  if (a.alunni != b.alunni)
                      return a.alunni > b.alunni;
                  return a.voce != b.voce ? a.voce < b.voce : a.esercizio < b.esercizio;
              });
    return letta;
}

void riempiAlunni(QStandardItemModel* modello, const Classe& classe) {
    using namespace TabelleVista;
    modello->clear();
    modello->setHorizontalHeaderLabels(
        {"Alunno", "Esercizio", "In ripasso", "Imparate", "Parole in ripasso", "Parole imparate"});
    for (const AlunnoEsercizio& r : classe.alunni) {
        QStandardItem* nome = testo(r.nome);
        nome->setData(r.alunno, TabelleVista::kRuoloIdRiga);
        QStandardItem* inRipasso = testo(elenco(r.inRipasso));
        QStandardItem* imparate = testo(elenco(r.imparate));
        inRipasso->setToolTip(inRipasso->text());
        imparate->setToolTip(imparate->text());
        modello->appendRow({nome, testo(r.esercizio), numero(int(r.inRipasso.size())),
                            numero(int(r.imparate.size())), inRipasso, imparate});
    }
    ordinabile(modello);
}

void riempiParole(QStandardItemModel* modello, const Classe& classe) {
    using namespace TabelleVista;
    modello->clear();
    // Most missed first, as in "Parole più sbagliate", which tells by how much.
    modello->setHorizontalHeaderLabels({"Voce", "Esercizio", "Alunni che l'hanno sbagliata",
                                        "Ancora da ripassare", "Imparata poi"});
    for (const ParolaSbagliata& p : classe.parole)
        modello->appendRow({testo(p.voce), testo(p.esercizio), numero(p.alunni), numero(p.ancora),
                            numero(p.imparata)});
    ordinabile(modello);
}

QList<QStringList> righeAlunniPerStampa(const Classe& classe, int alPiu) {
    QList<QStringList> righe{
        {"Alunno", "Esercizio", "In ripasso", "Imparate", "Parole in ripasso", "Parole imparate"}};
    const auto prime = [alPiu](const QStringList& parole) {
        if (parole.size() <= alPiu)
            return elenco(parole);
        const qsizetype altre = parole.size() - alPiu;
        return QStringLiteral("%1 … e %2 (tutte nel CSV)")
            .arg(elenco(parole.mid(0, alPiu)),
                 altre == 1 ? QStringLiteral("un'altra") : QStringLiteral("altre %1").arg(altre));
    };
    for (const AlunnoEsercizio& r : classe.alunni)
        righe.append({r.nome, r.esercizio, QString::number(r.inRipasso.size()),
                      QString::number(r.imparate.size()), prime(r.inRipasso), prime(r.imparate)});
    return righe;
}

void riempiParoleDellAlunno(QStandardItemModel* modello, const Ripasso& ripasso) {
    using namespace TabelleVista;
    modello->clear();
    modello->setHorizontalHeaderLabels({"Voce", "Esercizio", "Stato", "Torna"});
    const qint64 adesso = QDateTime::currentMSecsSinceEpoch();
    QStringList esercizi = ripasso.esercizi();
    esercizi.sort();
    for (const QString& esercizio : esercizi) {
        const QHash<QString, StatoVoce> voci = ripasso.voci(esercizio);
        QStringList parole = voci.keys();
        parole.sort();
        for (const QString& parola : parole) {
            const StatoVoce& stato = *voci.constFind(parola);
            modello->appendRow(
                {testo(parola), testo(esercizio), testo(fase(stato)), prossima(stato, adesso)});
        }
    }
    ordinabile(modello);
}

} // namespace vocario::RipassoVista
