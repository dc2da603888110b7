#pragma once

#include <QString>
#include <vector>

namespace vocario {

/// One column of a word list.
struct ColonnaElenco {
    /// What the column holds, as the guide and the checker name it.
    QString nome;
    /// The pupil matches this column's texts: the same text twice in it makes
    /// a right answer look wrong.
    bool senzaDoppioni = false;
    /// Room for the text in its narrowest control at the smallest size the
    /// control shrinks to: lines, and characters of ordinary words per line.
    int righe = 1;
    int caratteriPerRiga = 40;
};

/// What the program needs of one word-list file: its columns, how many
/// records its exercises take, and the rules that make it fair.
struct SchedaElenco {
    QString file;
    /// The menu buttons of the exercises that read it.
    QString esercizi;
    std::vector<ColonnaElenco> colonne;
    /// The most records every exercise that reads it accepts.
    int vociMassime;
    /// The fewest records with which its exercises can deal an item. Must
    /// agree with the minimums the exercise windows check when they open.
    int vociMinime;
    /// Dealt in blocks of this many consecutive records.
    int vociMultiploDi = 1;
    /// From this column on, the texts of one record are choices shown side by
    /// side and must all differ; -1 when there are none.
    int primaScelta = -1;
    /// The choice in column primaScelta is the right one: it must not give
    /// itself away by being much longer than the others.
    bool sceltaGiustaNonPiuLunga = false;
    /// A record is a group of words of one kind: no word may be in two groups.
    bool gruppiSeparati = false;

    int campiPerVoce() const { return int(colonne.size()); }
};

/// The seven lists, in the order of the menu's exercises.
const std::vector<SchedaElenco>& schedeElenchi();
/// The list named `file` ("contrari.txt"); null for any other name.
const SchedaElenco* schedaElenco(const QString& file);

} // namespace vocario
