#include "preparazione.h"

#include "core/appstate.h"
#include "core/registrazione.h"
#include "designs/designs.h"
#include "frame/percorso.h"
#include "layouts/layoutbuilder.h"
#include "speech/lettore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>

namespace vocario::Preparazione {

// Not before the start screen: it is needed only once a window with text
// to copy is open.
void traduzioniDiQt() {
    auto* traduzioni = new QTranslator(QCoreApplication::instance());
    if (traduzioni->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduzioni);
    else
        delete traduzioni;
}

void completa(AppState& stato) {
    static bool fatta = false;
    if (fatta)
        return;
    fatta = true;
    traduzioniDiQt();
    if (stato.opzioni.leggiAdAltaVoce)
        Lettore::preparaVoce(stato);
    if (RegistroClasse* registro = Percorso::registro())
        registro->prepara(stato);
    LayoutBuilder::preload(designFormMenu());
    for (const ExerciseEntry& esercizio : Percorso::esercizi())
        LayoutBuilder::preload(esercizio.design());
    // Every menu bar asks the style for its overflow arrow, which Qt looks
    // for among the icon themes on disk the first time.
    QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
}

} // namespace vocario::Preparazione
