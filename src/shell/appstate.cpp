#include "appstate.h"

#include "cartelle.h"
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
    cartellaProgramma = Cartelle::datiProgramma();
    suono.reset();
}

AppState& stato() {
    static AppState state;
    if (state.cartellaProgramma.isEmpty() && QCoreApplication::instance())
        state.cartellaProgramma = Cartelle::datiProgramma();
    return state;
}

} // namespace vocario
