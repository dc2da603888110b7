#include "preparazione.h"

#include "layouts/designs.h"
#include "layouts/layoutbuilder.h"
#include "suoni.h"

#include <QApplication>
#include <QStyle>

namespace vocario::Preparazione {

void completa() {
    static bool fatta = false;
    if (fatta)
        return;
    fatta = true;
    Suoni::preparaUscita();
    for (const WindowDesign& (*design)() :
         {designFormMenu, designForm1, designForm2, designForm3, designForm4, designForm5,
          designForm6, designForm7, designForm8, designForm9})
        LayoutBuilder::preload(design());
    // Every menu bar asks the style for its overflow arrow, which Qt looks
    // for among the icon themes on disk the first time.
    QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
}

} // namespace vocario::Preparazione
