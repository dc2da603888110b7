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

/// What the checker needs of one word-list file: its columns and the rules
/// that make it fair. How many records it takes, the catalogue's rows of the
/// exercises that read it tell.
struct SchedaElenco {
    QString file;
    std::vector<ColonnaElenco> colonne;
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
