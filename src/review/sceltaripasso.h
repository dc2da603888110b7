#pragma once

#include "models/sceltavoci.h"

#include <functional>

namespace vocario {

class Ripasso;

/// One exercise's deal steered by a pupil's review, at the clock's time.
class SceltaRipasso final : public SceltaVoci {
  public:
    /// Milliseconds since 1970, UTC.
    using Orologio = std::function<qint64()>;

    SceltaRipasso(const Ripasso& ripasso, QString esercizio, Orologio orologio);

    RichiestaRipasso richiesta(int posti) override;
    bool vista(const QString& testo) const override;

  private:
    const Ripasso& ripasso_;
    const QString esercizio_;
    Orologio orologio_;
};

} // namespace vocario
