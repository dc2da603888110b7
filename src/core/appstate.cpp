#include "appstate.h"

#include "registrazione.h"
#include "soundoutput.h"
#include "speechoutput.h"

namespace vocario {

AppState::AppState(QString cartella) : cartellaProgramma(std::move(cartella)) {}
AppState::~AppState() = default;

} // namespace vocario
