#include "aspettoparole.h"

#include "controlnames.h"
#include "designlabel.h"
#include "displaytext.h"

#include <QFontDatabase>
#include <QWidget>

namespace vocario::AspettoParole {
namespace {

// In every exercise window the texts of the lists are shown by these
// controls (and control arrays) alone.
const QStringList& nomiDelleParole() {
    static const QStringList nomi = {QStringLiteral("Label3"), QStringLiteral("Label4"),
                                     QStringLiteral("Text1"), QStringLiteral("Bottone")};
    return nomi;
}

} // namespace

bool carattereLeggibileInstallato() {
    return QFontDatabase::hasFamily(QLatin1String(kCarattereLeggibile));
}

bool mostraParole(const QWidget* control) {
    const QString name = control->objectName();
    for (const QString& nome : nomiDelleParole())
        if (name == nome || memberIndex(name, nome))
            return true;
    return false;
}

void applica(QWidget* window, const Opzioni& opzioni) {
    if (!opzioni.altaLeggibilita && !opzioni.maiuscolo)
        return;
    const bool leggibile = opzioni.altaLeggibilita && carattereLeggibileInstallato();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!mostraParole(control))
            continue;
        if (leggibile) {
            QFont font = control->font();
            font.setFamily(QString::fromLatin1(kCarattereLeggibile));
            control->setFont(font);
            if (auto* label = qobject_cast<DesignLabel*>(control))
                label->setTallFace(true);
        }
        setShowsCapitals(control, opzioni.maiuscolo);
    }
}

} // namespace vocario::AspettoParole
