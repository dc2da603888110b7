#include "appstate.h"

#include "soundoutput.h"

namespace vocario {

AppState::AppState(QString cartella) : cartellaProgramma(std::move(cartella)) {}
AppState::~AppState() = default;

} // namespace vocario
