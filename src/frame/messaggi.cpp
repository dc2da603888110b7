#include "messaggi.h"

#include "core/programma.h"
#include "geometry/designscale.h"
#include "percorso.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace vocario::Messaggi {
namespace {

// A box's words grow with the window it stands over (or the window under
// the dialog it stands over), as the window's own do.
void comeLaFinestra(QMessageBox* box, QWidget* parent) {
    for (QWidget* w = parent; w; w = w->parentWidget())
        if (auto* window = qobject_cast<QMainWindow*>(w); window && window->centralWidget()) {
            const DesignScale scale = designScaleOf(window->centralWidget());
            QFont font = box->font();
            if (scale.factor == 1.0 || font.pointSizeF() <= 0)
                return;
            font.setPointSizeF(scale.points(font.pointSizeF()));
            box->setFont(font);
            return;
        }
}

QMessageBox* newBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    auto* box =
        new QMessageBox(icon, QStringLiteral("Vocario"), text, QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("Vocario"));
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    comeLaFinestra(box, parent);
    return box;
}

// The window under a closed box takes the keyboard again, even where no
// window manager hands it back.
void giveBackKeyboard(QWidget* parent) {
    if (parent && parent->isVisible())
        parent->activateWindow();
}

void showWithOk(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox* box = newBox(parent, icon, text);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->exec();
    delete box;
    giveBackKeyboard(parent);
}

} // namespace

bool chiediSiNo(QWidget* parent, const QString& text) {
    QMessageBox* box = newBox(parent, QMessageBox::Question, text);
    QPushButton* yes = box->addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    QPushButton* no = box->addButton(QStringLiteral("No"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("Si"));
    no->setObjectName(QStringLiteral("No"));
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    box->exec();
    const bool answeredYes = box->clickedButton() == yes;
    delete box;
    giveBackKeyboard(parent);
    return answeredYes;
}

void informa(QWidget* parent, const QString& text) {
    showWithOk(parent, QMessageBox::Information, text);
}

void avvisa(QWidget* parent, const QString& text) {
    showWithOk(parent, QMessageBox::Warning, text);
}

QString testoInformazioni(const Programma& programma) {
    QStringList righe{programma.nome + u' ' + programma.versione, u' ' + QString(23, u'-') + u' ',
                      programma.descrizione, QStringLiteral("Licenza: ") + programma.licenza};
    if (!programma.autore.isEmpty())
        righe << programma.autore;
    if (!programma.web.isEmpty())
        righe << programma.web;
    if (!programma.mail.isEmpty())
        righe << QStringLiteral("mail: ") + programma.mail;
    return righe.join(QStringLiteral("\r\n"));
}

QString testoInformazioni() {
    return testoInformazioni(questoProgramma());
}

void MostraInformazioni(QWidget* parent) {
    informa(parent, testoInformazioni());
}

void ConfermaUscita(QWidget* parent) {
    if (chiediSiNo(parent, QStringLiteral("Vuoi uscire dal programma?")))
        Percorso::terminaProgramma();
}

} // namespace vocario::Messaggi
