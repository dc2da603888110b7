#include "formavvio.h"

#include "appstate.h"
#include "layouts/designs.h"
#include "navigazione.h"

#include <QPushButton>

namespace vocario {

FormAvvio::FormAvvio() : VocarioWindow(designFormAvvio()) {
    // Every run starts in the mode that waits for "avanti".
    stato().AttendeBottone = -1;
    CaricaColori();
    connect(control<QPushButton>(QStringLiteral("BottoneAvvio")), &QPushButton::clicked, this,
            &FormAvvio::BottoneAvvio_Click);
}

void FormAvvio::BottoneAvvio_Click() {
    Navigazione::mostraMenu(this);
}

} // namespace vocario
