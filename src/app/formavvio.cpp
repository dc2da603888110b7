#include "formavvio.h"

#include "colours/contrasto.h"
#include "colours/widgetcolours.h"
#include "core/appstate.h"
#include "core/programma.h"
#include "core/registrazione.h"
#include "designs/designs.h"
#include "frame/percorso.h"
#include "preparazione.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>

namespace vocario {
namespace {

// Far less than a pupil takes to reach the menu.
constexpr std::chrono::milliseconds kRitardoPreparazione{250};

} // namespace

FormAvvio::FormAvvio(AppState& stato) : VocarioWindow(designFormAvvio(), stato) {
    // Every run starts in the mode that waits for "avanti".
    stato_.AttendeBottone = -1;
    CaricaColori();
    // The two titles lie on the window's colour: white where black is hard to read.
    for (const char* title : {"Label2(0)", "Label2(1)"})
        setForeColour(control(QLatin1String(title)), Contrasto::testoSuBgr(backColour()));
    // An author line only where the build names one, as in the information box.
    auto* autore = control<QLabel>(QStringLiteral("Label2(1)"));
    autore->setText(questoProgramma().autore);
    autore->setVisible(!autore->text().isEmpty());
    connect(control<QPushButton>(QStringLiteral("BottoneAvvio")), &QPushButton::clicked, this,
            &FormAvvio::BottoneAvvio_Click);
    centralWidget()->installEventFilter(this);
}

bool FormAvvio::eventFilter(QObject* watched, QEvent* event) {
    // The rest loads a moment after the start screen is painted, not before:
    // the pupil sees the program at once, and the window system has put the
    // picture on the screen before the loading takes the processor.
    if (watched == centralWidget() && event->type() == QEvent::Paint) {
        centralWidget()->removeEventFilter(this);
        // Tied to this window: once it is gone, the first opening loads it.
        QTimer::singleShot(kRitardoPreparazione, this, [this] { Preparazione::completa(stato_); });
    }
    return VocarioWindow::eventFilter(watched, event);
}

void FormAvvio::BottoneAvvio_Click() {
    if (RegistroClasse* registro = Percorso::registro();
        registro && registro->chiGioca(stato_, this))
        return;
    Percorso::mostraMenu(this);
}

} // namespace vocario
