#include "accessoinsegnante.h"

#include "register/registro.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vocario::AccessoInsegnante {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr int kLunghezzaMinima = 6;

QLineEdit* campoPassword(const char* nome, QWidget* dentro) {
    auto* campo = new QLineEdit(dentro);
    campo->setObjectName(QLatin1String(nome));
    campo->setEchoMode(QLineEdit::Password);
    return campo;
}

// Until the seconds shown go down by one.
milliseconds finoAlSecondoDopo(milliseconds rimasta) {
    const milliseconds resto = rimasta % 1000ms;
    return resto > 0ms ? resto : 1000ms;
}

QString spiegazione(bool nuova) {
    if (!nuova)
        return QStringLiteral("Password dell'insegnante:");
    return QStringLiteral(
               "Il registro è per l'insegnante. Scegliere una password (almeno %1 caratteri): "
               "servirà a ogni apertura. Tiene gli alunni fuori da questa finestra, ma non "
               "protegge il file del registro da chi usa lo stesso utente del computer. Dopo, "
               "il programma mostra una chiave di recupero: con quella, «vocario "
               "--azzera-password» toglie una password dimenticata senza toccare i dati.")
        .arg(kLunghezzaMinima);
}

// The dialog, kept open across wrong guesses: the wait runs on a timer,
// with the window answering meanwhile.
class Porta {
  public:
    Porta(Registro& registro, QWidget* parent, const PasswordInsegnante::Orologio& orologio)
        : registro_(registro), orologio_(orologio),
          nuova_(!PasswordInsegnante::impostata(registro)), finestra_(parent),
          riprova_(&finestra_) {
        costruisci();
    }

    bool apri() {
        if (!nuova_)
            aggiornaAttesa();
        return finestra_.exec() == QDialog::Accepted;
    }

  private:
    void costruisci() {
        finestra_.setObjectName(QStringLiteral("AccessoRegistro"));
        finestra_.setWindowTitle(QStringLiteral("Vocario – Registro"));
        auto* modulo = new QFormLayout(&finestra_);
        auto* testa = new QLabel(spiegazione(nuova_), &finestra_);
        testa->setWordWrap(true);
        modulo->addRow(testa);
        prima_ = campoPassword("Password", &finestra_);
        modulo->addRow(QStringLiteral("&Password:"), prima_);
        if (nuova_) {
            seconda_ = campoPassword("Conferma", &finestra_);
            modulo->addRow(QStringLiteral("&Ripetere:"), seconda_);
        }
        messaggio_ = new QLabel(&finestra_);
        messaggio_->setObjectName(QStringLiteral("Messaggio"));
        messaggio_->setWordWrap(true);
        messaggio_->hide();
        modulo->addRow(messaggio_);
        auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        ok_ = bottoni->button(QDialogButtonBox::Ok);
        ok_->setText(QStringLiteral("OK"));
        bottoni->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
        QObject::connect(bottoni, &QDialogButtonBox::accepted, &finestra_, [this] { conferma(); });
        QObject::connect(bottoni, &QDialogButtonBox::rejected, &finestra_, &QDialog::reject);
        modulo->addRow(bottoni);
        riprova_.setObjectName(QStringLiteral("Riprova"));
        riprova_.setSingleShot(true);
        QObject::connect(&riprova_, &QTimer::timeout, &finestra_, [this] { aggiornaAttesa(); });
    }

    void conferma() {
        const QString password = prima_->text();
        prima_->clear();
        if (seconda_) {
            scegli(password, seconda_->text());
            seconda_->clear();
            return;
        }
        const PasswordInsegnante::Prova prova =
            PasswordInsegnante::provaPassword(registro_, password, orologio_());
        if (prova.esito == PasswordInsegnante::Prova::Esito::Giusta)
            return finestra_.accept();
        dici(QStringLiteral("Password sbagliata."));
        aggiornaAttesa();
    }

    // The wait still running, told and counted down, or over.
    void aggiornaAttesa() {
        const milliseconds rimasta = PasswordInsegnante::attesaRimasta(registro_, orologio_());
        ok_->setEnabled(rimasta == 0ms);
        if (rimasta > 0ms) {
            dici(QStringLiteral("Password sbagliata. ") + PasswordInsegnante::riprovaTra(rimasta));
            riprova_.start(finoAlSecondoDopo(rimasta));
        } else if (messaggio_->isVisibleTo(&finestra_)) {
            dici(QStringLiteral("Password sbagliata. Si può riprovare."));
            prima_->setFocus();
        }
    }

    void scegli(const QString& password, const QString& ripetuta) {
        if (password.size() < kLunghezzaMinima)
            return dici(QStringLiteral("La password deve avere almeno %1 caratteri.")
                            .arg(kLunghezzaMinima));
        if (password != ripetuta)
            return dici(QStringLiteral("Le due password sono diverse."));
        const std::optional<QString> chiave = PasswordInsegnante::imposta(registro_, password);
        if (!chiave)
            return dici(QStringLiteral("La password non si può salvare nel registro."));
        mostraChiaveDiRecupero(*chiave, &finestra_);
        finestra_.accept();
    }

    void dici(const QString& testo) {
        messaggio_->setText(testo);
        messaggio_->show();
    }

    Registro& registro_;
    const PasswordInsegnante::Orologio orologio_;
    const bool nuova_;
    QDialog finestra_;
    QTimer riprova_;
    QLineEdit* prima_ = nullptr;
    QLineEdit* seconda_ = nullptr;
    QLabel* messaggio_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace

bool chiedi(Registro& registro, QWidget* parent, const PasswordInsegnante::Orologio& orologio) {
    return Porta(registro, parent, orologio).apri();
}

void mostraChiaveDiRecupero(const QString& chiave, QWidget* parent) {
    QDialog finestra(parent);
    finestra.setObjectName(QStringLiteral("ChiaveDiRecupero"));
    finestra.setWindowTitle(QStringLiteral("Vocario – Chiave di recupero"));
    auto* colonna = new QVBoxLayout(&finestra);
    auto* prima = new QLabel(
        QStringLiteral("La password è scelta. Questa è la sua chiave di recupero: scriverla su "
                       "un foglio e tenerlo lontano dagli alunni."),
        &finestra);
    prima->setWordWrap(true);
    colonna->addWidget(prima);
    auto* scritta = new QLabel(chiave, &finestra);
    scritta->setObjectName(QStringLiteral("Chiave"));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    scritta->setFont(font);
    scritta->setAlignment(Qt::AlignCenter);
    scritta->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    colonna->addWidget(scritta);
    auto* dopo = new QLabel(
        QStringLiteral("Se si dimentica la password, «vocario --azzera-password» la toglie solo "
                       "con questa chiave (le classi e le risposte restano). Il programma non la "
                       "conserva e non la mostrerà un'altra volta."),
        &finestra);
    dopo->setWordWrap(true);
    colonna->addWidget(dopo);
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok, &finestra);
    bottoni->button(QDialogButtonBox::Ok)->setText(QStringLiteral("L'ho scritta"));
    QObject::connect(bottoni, &QDialogButtonBox::accepted, &finestra, &QDialog::accept);
    colonna->addWidget(bottoni);
    finestra.exec();
}

} // namespace vocario::AccessoInsegnante
