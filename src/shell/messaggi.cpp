#include "messaggi.h"

#include "navigazione.h"

#include <QMessageBox>
#include <QPushButton>

#ifndef VOCARIO_AUTHOR
#define VOCARIO_AUTHOR "Vocario"
#endif
#ifndef VOCARIO_WEB
#define VOCARIO_WEB "https://vocario.example.org"
#endif
#ifndef VOCARIO_MAIL
#define VOCARIO_MAIL "vocario@example.org"
#endif

namespace vocario::Messaggi {
namespace {

QMessageBox* newBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    auto* box =
        new QMessageBox(icon, QStringLiteral("Vocario"), text, QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("Vocario"));
    box->setAttribute(Qt::WA_DeleteOnClose, false);
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

QString testoInformazioni() {
    return QStringLiteral(VOCARIO_AUTHOR "  ") + QStringLiteral("\r\n ") + QString(23, u'-') +
           QStringLiteral(" \r\n") + QStringLiteral(VOCARIO_WEB) + QStringLiteral("\r\nmail: ") +
           QStringLiteral(VOCARIO_MAIL);
}

void MostraInformazioni(QWidget* parent) {
    informa(parent, testoInformazioni());
}

void ConfermaUscita(QWidget* parent) {
    if (chiediSiNo(parent, QStringLiteral("Vuoi uscire dal programma?")))
        Navigazione::terminaProgramma();
}

} // namespace vocario::Messaggi
