#include "preparazione.h"

#include "layouts/design_form1.h"
#include "layouts/design_form2.h"
#include "layouts/design_form3.h"
#include "layouts/design_form4.h"
#include "layouts/design_form5.h"
#include "layouts/design_form6.h"
#include "layouts/design_form7.h"
#include "layouts/design_form8.h"
#include "layouts/design_form9.h"
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
