#include "controlliopzioni.h"

#include "options/tabellaopzioni.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace vocario {
namespace {

// "schermo-intero" -> "SchermoIntero"
QString conMaiuscole(const QString& parole) {
    QString nome;
    for (const QString& parola : parole.split(u'-', Qt::SkipEmptyParts))
        nome += parola.left(1).toUpper() + parola.mid(1);
    return nome;
}

} // namespace

ControlliOpzioni::ControlliOpzioni(QBoxLayout* colonna, const Sotto& sotto) {
    for (const RigaOpzione& riga : tabellaOpzioni()) {
        const QString nome = conMaiuscole(QString::fromLatin1(riga.chiave));
        const QString etichetta = QString::fromUtf8(riga.etichetta);
        Controllo c{.riga = &riga, .controllo = nullptr, .scelte = {}};
        if (riga.siNo()) {
            c.controllo = new QCheckBox(etichetta);
            c.scelte << static_cast<QAbstractButton*>(c.controllo);
        } else {
            auto* gruppo = new QGroupBox(etichetta);
            gruppo->setObjectName(QStringLiteral("Scelta") + nome);
            auto* valori = new QVBoxLayout(gruppo);
            for (const ValoreOpzione& valore : riga.valori) {
                auto* scelta = new QRadioButton(QString::fromUtf8(valore.etichetta));
                scelta->setObjectName(nome + conMaiuscole(QString::fromUtf8(valore.parola)));
                valori->addWidget(scelta);
                c.scelte << scelta;
            }
            c.controllo = gruppo;
        }
        if (riga.siNo())
            c.controllo->setObjectName(nome);
        colonna->addWidget(c.controllo);
        sotto(riga.chiave, c.controllo);
        controlli_ << c;
    }
}

void ControlliOpzioni::mostra(const Opzioni& opzioni) const {
    for (const Controllo& c : controlli_) {
        const int valore = c.riga->campo.valore(opzioni);
        if (c.riga->siNo())
            c.scelte.front()->setChecked(valore != 0);
        else
            for (qsizetype i = 0; i < c.scelte.size(); ++i)
                c.scelte[i]->setChecked(c.riga->valori[size_t(i)].valore == valore);
    }
}

Opzioni ControlliOpzioni::lette(Opzioni opzioni) const {
    for (const Controllo& c : controlli_) {
        // Off only because it cannot be had here: the choice stays.
        if (!c.controllo->isEnabled())
            continue;
        if (c.riga->siNo())
            c.riga->campo.imposta(opzioni, c.scelte.front()->isChecked());
        else
            for (qsizetype i = 0; i < c.scelte.size(); ++i)
                if (c.scelte[i]->isChecked())
                    c.riga->campo.imposta(opzioni, c.riga->valori[size_t(i)].valore);
    }
    return opzioni;
}

QList<QAbstractButton*> ControlliOpzioni::scelte() const {
    QList<QAbstractButton*> tutte;
    for (const Controllo& c : controlli_)
        tutte << c.scelte;
    return tutte;
}

} // namespace vocario
