#include "appstate.h"

#include "soundoutput.h"

#include <QCoreApplication>

namespace vocario {

AppState::AppState() = default;
AppState::~AppState() = default;

void AppState::reset() {
    static_cast<WordTables&>(*this) = WordTables{};
    NumeroEsatti = 0;
    NumeroErrati = 0;
    AttendeBottone = 0;
    Estratto = 0;
    cartellaProgramma = QCoreApplication::applicationDirPath();
    cartellaInsegnante.clear();
    suono.reset();
}

AppState& stato() {
    static AppState state;
    if (state.cartellaProgramma.isEmpty() && QCoreApplication::instance())
        state.cartellaProgramma = QCoreApplication::applicationDirPath();
    return state;
}

} // namespace vocario
