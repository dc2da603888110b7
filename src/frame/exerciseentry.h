#pragma once

#include <QString>
#include <vector>

namespace vocario {

struct AppState;
struct WindowDesign;
class ExerciseWindow;

/// A word list that an exercise reads, and how many records it takes.
struct ListNeed {
    QString file;
    /// The fewest records with which it can deal an item.
    int minRecords;
    /// The most its tables hold.
    int maxRecords;
    /// It deals blocks of this many consecutive records: the list must hold
    /// whole blocks.
    int block = 1;
};

/// One exercise of the menu: everything the program needs to know about it
/// in one row of the catalogue.
struct ExerciseEntry {
    /// The exercise's stable name, kept in the class register.
    const char* nome;
    /// The menu button that opens it ("Command2".."Command10").
    const char* menuButton;
    const WindowDesign& (*design)();
    /// The lists it reads, in the order it reads them.
    std::vector<ListNeed> lists;
    /// Builds the window over the program's state.
    ExerciseWindow* (*create)(AppState& stato, const ExerciseEntry& entry);
};

/// The exercises behind the menu, in the order of their windows (Form1 first).
using Catalogo = std::vector<ExerciseEntry>;

} // namespace vocario
