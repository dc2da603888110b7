#include "lettore.h"

#include "core/cartelle.h"

#include "access/pickandplace.h"
#include "backgroundspeech.h"
#include "core/appstate.h"
#include "core/speechoutput.h"
#include "layouts/designlabel.h"
#include "layouts/designtextbox.h"
#include "speechmodule.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>

namespace vocario {
namespace {

// QT_LOGGING_RULES="vocario.voce.debug=true" shows every text sent to the voice.
Q_LOGGING_CATEGORY(lcVoce, "vocario.voce", QtInfoMsg)

QString senzaScorciatoie(QString caption) {
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

} // namespace

Lettore::Lettore(AppState& stato) : stato_(stato) {
    sosta_.setSingleShot(true);
    sosta_.setInterval(kSosta);
    connect(&sosta_, &QTimer::timeout, this, &Lettore::sostaFinita);
    qApp->installEventFilter(this);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            seguiFinestra(window, false);
}

Lettore::~Lettore() {
    qApp->removeEventFilter(this);
}

void ChiudiLettore::operator()(Lettore* lettore) const {
    delete lettore;
}

void Lettore::aggiorna(AppState& stato) {
    if (stato.opzioni.leggiAdAltaVoce && !stato.lettore)
        stato.lettore.reset(new Lettore(stato));
    else if (!stato.opzioni.leggiAdAltaVoce)
        stato.lettore.reset();
}

void Lettore::preparaVoce(AppState& stato) {
    if (stato.voce)
        return;
    const QString folder = Cartelle::cartellaModuli();
    stato.voce = std::make_unique<BackgroundSpeech>(
        [folder](QString* motivo) { return SpeechModule::load(folder, motivo); });
    // The engine's code lives in the module, whose globals go before the
    // program's state at exit: the voice goes with the event loop instead.
    SpeechOutput* voce = stato.voce.get();
    connect(qApp, &QCoreApplication::aboutToQuit, qApp, [&stato, voce] {
        if (stato.voce.get() == voce)
            stato.voce.reset();
    });
}

void Lettore::leggi(const QString& testo) {
    // Words joined by a right answer ("alto / basso") are read as two words.
    QString detto = testo.simplified();
    detto.replace(QStringLiteral(" / "), QStringLiteral(", "))
        .replace(QStringLiteral(" - "), QStringLiteral(", "));
    if (detto.isEmpty())
        return;
    preparaVoce(stato_);
    qCDebug(lcVoce) << "legge" << detto;
    stato_.voce->say(detto);
}

QString Lettore::testoDi(const QWidget* control, QPoint at) {
    // The inner parts of a control (a text box's viewport) read as the control.
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (const auto* box = qobject_cast<const DesignTextBox*>(w))
            return box->text();
        // A place named by its window ("meno intenso") says where it is.
        if (const auto* label = qobject_cast<const QLabel*>(w);
            label && label->acceptDrops() && !label->accessibleName().isEmpty())
            return label->accessibleName() + QStringLiteral(", ") +
                   (label->text().isEmpty() ? QStringLiteral("vuoto") : label->text());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            return label->text();
        // A button named by its window: the list's own text, not the capitals.
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            return button->accessibleName().isEmpty() ? senzaScorciatoie(button->text())
                                                      : button->accessibleName();
        if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
            const QAction* action = bar->actionAt(at);
            return action ? senzaScorciatoie(action->text()) : QString();
        }
    }
    return {};
}

void Lettore::leggiControllo(const QWidget* control, QPoint at) {
    leggi(testoDi(control, at));
}

bool Lettore::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
        // Entered from the window inwards: the last one is the innermost.
        if (watched->isWidgetType()) {
            sotto_ = static_cast<QWidget*>(watched);
            dove_ = sotto_->mapFromGlobal(QCursor::pos());
            sosta_.start();
        }
        break;
    case QEvent::Leave:
        if (watched == sotto_) {
            sotto_.clear();
            sosta_.stop();
        }
        break;
    case QEvent::MouseMove:
        // A menu bar holds several captions: resting counts on each.
        if (auto* bar = qobject_cast<QMenuBar*>(watched)) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (sotto_ == bar && bar->actionAt(at) == bar->actionAt(dove_))
                break;
            sotto_ = bar;
            dove_ = at;
            sosta_.start();
        }
        break;
    case QEvent::FocusIn: {
        // Only where the pupil moved the keyboard: a focus the program sets
        // (a window opening, an item dealt) would cut off the item's text.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched->isWidgetType() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::ShortcutFocusReason))
            leggiControllo(static_cast<QWidget*>(watched));
        break;
    }
    case QEvent::Show:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            seguiFinestra(static_cast<QWidget*>(watched), true);
        break;
    case QEvent::WindowActivate:
        // Once the window has placed its focus.
        if (auto* window = qobject_cast<QWidget*>(watched); window && aperte_.contains(window))
            QTimer::singleShot(0, window, [this, window] { leggiApertura(window); });
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Lettore::sostaFinita() {
    if (sotto_)
        leggiControllo(sotto_, dove_);
}

void Lettore::leggiApertura(QWidget* window) {
    if (!aperte_.removeAll(window))
        return;
    // The control the window opens with, then the item it shows, in one text:
    // a second one would take the place of the first.
    QStringList testi;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == window)
        testi.append(testoDi(focus));
    for (DesignTextBox* box : window->findChildren<DesignTextBox*>())
        if (box != focus && !box->isAncestorOf(focus))
            testi.append(box->text());
    testi.removeAll(QString());
    leggi(testi.join(QStringLiteral(", ")));
}

void Lettore::seguiFinestra(QWidget* window, bool appenaAperta) {
    // A word picked to be placed is read, however it was picked.
    for (PickAndPlace* pick : window->findChildren<PickAndPlace*>()) {
        if (seguiti_.contains(pick))
            continue;
        seguiti_.append(pick);
        connect(pick, &PickAndPlace::picked, this,
                [this](DesignLabel* word) { leggiControllo(word); });
    }
    // The text boxes show an item's pair or sentence: read each new one once
    // it is dealt, and the one already dealt when the window appears.
    for (DesignTextBox* box : window->findChildren<DesignTextBox*>()) {
        if (seguiti_.contains(box))
            continue;
        seguiti_.append(box);
        connect(box, &QTextEdit::textChanged, this, [this, box] {
            // One new text notifies more than once: read it once.
            if (daLeggere_.contains(box))
                return;
            daLeggere_.append(box);
            QTimer::singleShot(0, box, [this, box] {
                daLeggere_.removeAll(box);
                if (!aperte_.contains(box->window()))
                    leggi(box->text());
            });
        });
    }
    seguiti_.removeAll(nullptr);
    if (appenaAperta && !aperte_.contains(window))
        aperte_.append(window);
    else if (!appenaAperta)
        for (DesignTextBox* box : window->findChildren<DesignTextBox*>())
            leggi(box->text());
    aperte_.removeAll(nullptr);
}

} // namespace vocario
