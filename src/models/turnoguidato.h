#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vocario {

class RandomGenerator;
class SceltaVoci;

/// What a model can deal, by the texts the review names items with: units
/// 1..n (a record, or the block of "parola corretta"), each with the items
/// it shows. Built at the first steered deal after a reading, so that a
/// guest's deal never pays for it.
class IndiceVoci {
  public:
    bool vuoto() const { return testi_.isEmpty(); }
    void azzera();
    /// Unit n (counted from 1, in order) shows these items.
    void aggiungi(QStringList testi);
    /// The unit that shows the item, 0 for none.
    int unita(const QString& testo) const { return unitaDi_.value(testo); }
    int numero() const { return int(testi_.size()); }
    const QStringList& testi(int unita) const { return testi_[unita - 1]; }

  private:
    QList<QStringList> testi_;
    QHash<QString, int> unitaDi_;
};

/// The units a steered deal of `posti` shows, all different: the due items'
/// first, then new ones at the review's pace, then items ahead of time.
/// Fewer than `posti` (none at all) leaves the rest to the usual draw.
QList<int> unitaGuidate(SceltaVoci& scelta, const IndiceVoci& indice, int posti,
                        RandomGenerator& random);

/// Fills `scelte` up to `posti` with different units drawn as the exercise
/// always draws them (1..n, each drawn afresh until it differs).
void completaACaso(QList<int>& scelte, int posti, int n, RandomGenerator& random);

} // namespace vocario
