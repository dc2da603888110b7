#include "accessibilita.h"

#include "accessiblecontrols.h"
#include "exercisewindow.h"
#include "layouts/designs.h"

#include <QAccessible>
#include <QMenuBar>

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

void annuncia(ExerciseWindow* window, bool esatta) {
    if (!QAccessible::isActive())
        return;
    QWidget* picture = window->control(esatta ? QStringLiteral("ComandoIconaSi")
                                              : QStringLiteral("ComandoIconaNo"));
    // Shown again for every answer, even when it was on show already: that
    // is what a screen reader speaks for a notification.
    QAccessibleEvent shown(picture, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace

QString didascaliaMenu(const char* menuButton) {
    for (const ControlDesign& row : designFormMenu().controls)
        if (qstrcmp(row.name, menuButton) == 0)
            return QString::fromUtf8(row.texts.front());
    return {};
}

void prepara(QMainWindow* window) {
    AccessibleControls::install();
    for (const NomeFinestra& entry : kNomiFinestre)
        if (window->objectName() == QLatin1String(entry.window))
            window->setAccessibleName(QString::fromUtf8(entry.name));
}

void preparaEsercizio(ExerciseWindow* window) {
    window->setAccessibleName(didascaliaMenu(window->esercizio().menuButton));
    // The menu bar is read first, as it stands above the controls.
    window->menuBar()->stackUnder(window->centralWidget());
    QObject::connect(window, &ExerciseWindow::risposta, window,
                     [window](bool esatta) { annuncia(window, esatta); });
}

} // namespace vocario::Accessibilita
