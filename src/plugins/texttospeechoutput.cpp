#include "texttospeechoutput.h"

#include <QTextToSpeech>

namespace vocario {

std::unique_ptr<TextToSpeechOutput> TextToSpeechOutput::create(QString* motivo) {
    auto engine = std::make_unique<QTextToSpeech>(QStringLiteral("speechd"));
    if (engine->state() == QTextToSpeech::Error) {
        *motivo = QStringLiteral("La sintesi vocale (speech-dispatcher) non risponde.");
        return nullptr;
    }
    const QList<QLocale> locales = engine->availableLocales();
    const auto italian = std::find_if(locales.cbegin(), locales.cend(), [](const QLocale& l) {
        return l.language() == QLocale::Italian;
    });
    if (italian == locales.cend()) {
        *motivo = QStringLiteral("La sintesi vocale non ha una voce italiana.");
        return nullptr;
    }
    // Italy's Italian first; the voice within it is the user's choice.
    const bool italy = std::any_of(locales.cbegin(), locales.cend(), [](const QLocale& l) {
        return l.language() == QLocale::Italian && l.territory() == QLocale::Italy;
    });
    engine->setLocale(italy ? QLocale(QLocale::Italian, QLocale::Italy) : *italian);
    return std::unique_ptr<TextToSpeechOutput>(new TextToSpeechOutput(std::move(engine)));
}

TextToSpeechOutput::TextToSpeechOutput(std::unique_ptr<QTextToSpeech> engine)
    : engine_(std::move(engine)) {}

TextToSpeechOutput::~TextToSpeechOutput() = default;

void TextToSpeechOutput::say(const QString& text) {
    engine_->stop();
    engine_->say(text);
}

} // namespace vocario
