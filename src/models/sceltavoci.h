#pragma once

#include <QString>
#include <QStringList>

namespace vocario {

/// What a named pupil's review asks of the next deal: the items it wants
/// shown, as the register writes them (ChiaveVoce::testo()).
struct RichiestaRipasso {
    /// Due now, the most urgent first.
    QStringList dovute;
    /// Items never shown that may come in this deal.
    int nuove = 0;
    /// In review but not yet due, the soonest first: shown ahead of time
    /// when nothing else is to come, rather than an item never met.
    QStringList avanti;
};

/// Steers an exercise's deal (the review of one pupil); a model with none
/// deals at random, as it always has.
class SceltaVoci {
  public:
    virtual ~SceltaVoci() = default;
    /// For a turn of `posti` items.
    virtual RichiestaRipasso richiesta(int posti) = 0;
    /// True when the pupil has met the item.
    virtual bool vista(const QString& testo) const = 0;
};

} // namespace vocario
