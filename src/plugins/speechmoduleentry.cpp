// The entry point of the speech module (see speech/speechmodule.h).

#include "texttospeechoutput.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT vocario::SpeechOutput* vocario_creaVoce(QString* motivo) {
    return vocario::TextToSpeechOutput::create(motivo).release();
}
