#include "accessoinsegnante.h"

#include "register/passwordinsegnante.h"
#include "register/registro.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace vocario::AccessoInsegnante {
namespace {

constexpr int kLunghezzaMinima = 6;

QLineEdit* campoPassword(const char* nome, QWidget* dentro) {
    auto* campo = new QLineEdit(dentro);
    campo->setObjectName(QLatin1String(nome));
    campo->setEchoMode(QLineEdit::Password);
    return campo;
}

} // namespace

bool chiedi(Registro& registro, QWidget* parent) {
    const bool nuova = !PasswordInsegnante::impostata(registro);
    QDialog finestra(parent);
    finestra.setObjectName(QStringLiteral("AccessoRegistro"));
    finestra.setWindowTitle(QStringLiteral("Registro"));
    auto* modulo = new QFormLayout(&finestra);
    auto* spiegazione = new QLabel(
        nuova ? QStringLiteral("Il registro è per l'insegnante. Scegliere una password (almeno "
                               "%1 caratteri): servirà a ogni apertura. Se la si dimentica, "
                               "«vocario --azzera-password» la toglie senza toccare i dati.")
                    .arg(kLunghezzaMinima)
              : QStringLiteral("Password dell'insegnante:"),
        &finestra);
    spiegazione->setWordWrap(true);
    modulo->addRow(spiegazione);
    QLineEdit* prima = campoPassword("Password", &finestra);
    modulo->addRow(QStringLiteral("&Password:"), prima);
    QLineEdit* seconda = nullptr;
    if (nuova) {
        seconda = campoPassword("Conferma", &finestra);
        modulo->addRow(QStringLiteral("&Ripetere:"), seconda);
    }
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    bottoni->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    QObject::connect(bottoni, &QDialogButtonBox::accepted, &finestra, &QDialog::accept);
    QObject::connect(bottoni, &QDialogButtonBox::rejected, &finestra, &QDialog::reject);
    modulo->addRow(bottoni);

    while (finestra.exec() == QDialog::Accepted) {
        const QString password = prima->text();
        QString problema;
        if (!nuova) {
            if (PasswordInsegnante::corretta(registro, password))
                return true;
            problema = QStringLiteral("La password non è quella giusta.");
        } else if (password.size() < kLunghezzaMinima) {
            problema =
                QStringLiteral("La password deve avere almeno %1 caratteri.").arg(kLunghezzaMinima);
        } else if (password != seconda->text()) {
            problema = QStringLiteral("Le due password sono diverse.");
        } else if (PasswordInsegnante::imposta(registro, password)) {
            return true;
        } else {
            problema = QStringLiteral("La password non si può salvare nel registro.");
        }
        QMessageBox::warning(&finestra, QStringLiteral("Registro"), problema);
        prima->clear();
        if (seconda)
            seconda->clear();
    }
    return false;
}

} // namespace vocario::AccessoInsegnante
