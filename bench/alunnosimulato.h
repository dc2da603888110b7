#pragma once

#include "core/randomgenerator.h"
#include "models/voce.h"

#include <QHash>
#include <QString>
#include <functional>
#include <random>

namespace vocario {

/// The memory of a simulated pupil, as the learning benchmark fixes it: a
/// half-life per record, which only the simulation reads (the review sees
/// the answers alone).
class MemoriaSimulata {
  public:
    /// `abilita` is the pupil's a_p; `facilita` gives a record's e_i.
    MemoriaSimulata(double abilita,
                    std::function<double(const QString& elenco, int record)> facilita);

    /// The item shown at `giorno` (days): true when the pupil recalls it.
    /// Not recalled, it is answered by chance and the right answer is seen.
    bool mostra(const ChiaveVoce& voce, double giorno, std::mt19937& caso);
    /// The items of `elenco` expected to be recalled at `giorno`, and those shown.
    double ritenzione(const QString& elenco, double giorno) const;
    int mostrate(const QString& elenco) const;

  private:
    struct Traccia {
        double base = 0;
        double emivita = 0;
        double ultima = 0;
    };
    double abilita_;
    std::function<double(const QString&, int)> facilita_;
    QHash<QString, QHash<int, Traccia>> tracce_;
};

/// One opening of an exercise, played through its model until `risposte`
/// answers are counted: every counted verdict goes to `conta` (the
/// register's recording), each taking five seconds of `giorno`.
struct Partita {
    MemoriaSimulata& memoria;
    std::mt19937& caso;
    RandomGenerator& random;
    double& giorno;
    std::function<void(const Verdetto&)> conta;
    int rimaste = 0;

    void registra(const Verdetto& verdetto);
};

/// The nine exercises' models as their windows build them, by the
/// catalogue's name; each plays a whole opening.
void giocaApertura(const QString& esercizio, Partita& partita, class SceltaVoci* ripasso,
                   const QString& cartellaProgramma);

} // namespace vocario
