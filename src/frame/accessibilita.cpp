#include "accessibilita.h"

#include "access/accessiblecontrols.h"
#include "access/annunci.h"
#include "access/pickandplace.h"
#include "access/screenorder.h"
#include "designs/designs.h"
#include "layouts/designlabel.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace vocario::Accessibilita {
namespace {

struct NomeFinestra {
    const char* window;
    const char* name;
};

// The windows that no menu button names.
constexpr NomeFinestra kNomiFinestre[] = {
    {.window = "FormAvvio", .name = "Vocario"},
    {.window = "FormMenu", .name = "menù degli esercizi"},
};

struct Istruzione {
    const char* menuButton;
    const char* text;
};

// What to do, said to a pupil at the keyboard when the window opens: the
// design's own instructions speak of dragging and clicking.
constexpr char kPosare[] = "Con Tab scegli una parola e prendila con Spazio, poi con Tab "
                           "scegli dove posarla e premi Spazio.";
constexpr Istruzione kIstruzioni[] = {
    {.menuButton = "Command2", .text = "Posa ogni parola sulla sua contraria. "},
    {.menuButton = "Command3", .text = "Posa ogni parola sul suo sinonimo. "},
    {.menuButton = "Command4",
     .text = "Ascolta le due parole: sono sinonimi o contrari? Con Tab scegli il pulsante e "
             "premi Spazio. La coppia di parole si riascolta con Tab."},
    {.menuButton = "Command5",
     .text = "Quale parola comprende le altre? Con Tab scegli la parola e premi Spazio."},
    {.menuButton = "Command6", .text = "Posa ogni parola sulla sua corrispondente. "},
    {.menuButton = "Command7",
     .text = "Quale parola non c'entra? Con Tab scegli la parola e premi Spazio."},
    {.menuButton = "Command8",
     .text = "Posa ogni parola al suo posto: meno intenso o più intenso. "},
    {.menuButton = "Command9", .text = "Posa ogni parola sulla sua corrispondente. "},
    {.menuButton = "Command10",
     .text = "Ascolta la frase: che cosa vuol dire la parola? Con Tab scegli il significato "
             "e premi Spazio. La frase si riascolta con Tab."},
};

QString istruzione(const char* menuButton) {
    for (const Istruzione& row : kIstruzioni)
        if (qstrcmp(row.menuButton, menuButton) == 0) {
            QString text = QString::fromUtf8(row.text);
            return text.endsWith(u' ') ? text + QString::fromUtf8(kPosare) : text;
        }
    return {};
}

// Words joined by a right answer ("alto / basso") are said as two words.
QString detto(QString text) {
    return text.replace(QStringLiteral(" / "), QStringLiteral(", "))
        .replace(QStringLiteral(" - "), QStringLiteral(", "));
}

QString nomeAccessibile(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? detto(face->text(QAccessible::Name)) : QString();
}

/// Tells a screen reader what happens in an exercise window: the
/// instruction and the item at the opening, every item dealt, a word picked
/// or put back, every answer with what it made and the new counts.
class Cronista : public Cronaca {
  public:
    Cronista(QMainWindow* window, Esercizio esercizio)
        : Cronaca(window), window_(window), esercizio_(std::move(esercizio)),
          annunci_(Annunciatore::di(window)) {
        window->installEventFilter(this);
    }

    void turnoPreparato() override {
        descrivi();
        if (aperta_)
            annunci_->annuncia(Annunciatore::Parte::Turno, esercizio_.testoTurno());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            seguiParole();
        // The opening says the item through the window's description, which
        // the screen reader speaks with the window's name whichever control
        // it hears of first; news would say it twice.
        if (event->type() == QEvent::WindowActivate)
            aperta_ = true;
        return QObject::eventFilter(watched, event);
    }

  private:
    /// The instruction and the item as it stands: what the screen reader
    /// says each time the window becomes the active one.
    void descrivi() {
        QString item = esercizio_.testoTurno().trimmed();
        if (!item.isEmpty() && !item.endsWith(u'.'))
            item += u'.';
        window_->setAccessibleDescription(
            (istruzione(esercizio_.menuButton) + u' ' + item).trimmed());
    }

    void seguiParole() {
        auto* pick = window_->findChild<PickAndPlace*>();
        if (!pick || pick_ == pick)
            return;
        pick_ = pick;
        connect(pick, &PickAndPlace::picked, this, [this](DesignLabel* word) {
            annunci_->annuncia(Annunciatore::Parte::Esito,
                               QStringLiteral("presa: ") + word->text());
        });
        connect(pick, &PickAndPlace::putAway, this, [this](DesignLabel* word) {
            annunci_->annuncia(Annunciatore::Parte::Esito,
                               QStringLiteral("rimessa a posto: ") + word->text());
        });
    }

    void risposta(bool esatta) override {
        // Once the window has taken the answer in (a placed word leaves the item).
        QTimer::singleShot(0, this, [this] { descrivi(); });
        annunci_->annuncia(Annunciatore::Parte::Esito, esatta
                                                           ? QStringLiteral("risposta esatta")
                                                           : QStringLiteral("risposta sbagliata"));
        // What a place now shows, read before the next item takes it over.
        auto* place = qobject_cast<DesignLabel*>(QApplication::focusWidget());
        posto_ = esatta && place && place->acceptDrops() ? place : nullptr;
        annunci_->annunciaPoi(Annunciatore::Parte::Dettaglio, [this, esatta] {
            if (posto_)
                return nomeAccessibile(std::exchange(posto_, nullptr));
            const DesignLabel* held = pick_ ? pick_->pickedWord() : nullptr;
            return !esatta && held ? QStringLiteral("ancora presa: ") + held->text() : QString();
        });
        annunci_->annunciaPoi(Annunciatore::Parte::Conteggi, [this] {
            return QStringLiteral("Esatti %1, errati %2")
                .arg(esercizio_.esatti->text().trimmed(), esercizio_.errati->text().trimmed());
        });
    }

    void turnoConcluso() override {
        if (posto_)
            annunci_->annuncia(Annunciatore::Parte::Dettaglio,
                               nomeAccessibile(std::exchange(posto_, nullptr)));
    }

    QMainWindow* window_;
    Esercizio esercizio_;
    Annunciatore* annunci_;
    QPointer<PickAndPlace> pick_;
    QPointer<DesignLabel> posto_;
    bool aperta_ = false;
};

/// The start screen's texts besides its name (the author, where the build
/// names one) become its description, which the screen reader says with
/// the window: it speaks only the window and the button with the focus.
/// Not news: no notification is on show there.
class Presentazione : public QObject {
  public:
    explicit Presentazione(QMainWindow* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            QStringList texts;
            for (QWidget* control : ScreenOrder::controlsOf(window_->centralWidget()))
                if (auto* label = qobject_cast<QLabel*>(control); label && label->isVisible())
                    texts.append(label->text().simplified());
            texts.removeAll(QString());
            texts.removeAll(window_->accessibleName());
            window_->setAccessibleDescription(texts.join(QStringLiteral(", ")));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QMainWindow* window_;
};

} // namespace

QString didascaliaMenu(const char* menuButton) {
    for (const ControlDesign& row : designFormMenu().controls)
        if (qstrcmp(row.name, menuButton) == 0)
            return QString::fromUtf8(row.texts.front()).trimmed();
    return {};
}

void prepara(QMainWindow* window) {
    AccessibleControls::install();
    for (const NomeFinestra& entry : kNomiFinestre)
        if (window->objectName() == QLatin1String(entry.window))
            window->setAccessibleName(QString::fromUtf8(entry.name));
    if (window->objectName() == u"FormAvvio")
        new Presentazione(window);
}

Cronaca* preparaEsercizio(QMainWindow* window, Esercizio esercizio) {
    window->setAccessibleName(didascaliaMenu(esercizio.menuButton));
    window->setAccessibleDescription(istruzione(esercizio.menuButton));
    // The menu bar is read first, as it stands above the controls.
    window->menuBar()->stackUnder(window->centralWidget());
    return new Cronista(window, std::move(esercizio));
}

} // namespace vocario::Accessibilita
