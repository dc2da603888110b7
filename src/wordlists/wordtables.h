#pragma once

#include <QString>
#include <array>

namespace vocario {

/// Highest record number the process-wide word tables can hold.
inline constexpr int kMaxParole = 500;

/// One column of words: record n sits at index n, index 0 is never written.
using WordColumn = std::array<QString, kMaxParole + 1>;

/// A window-level table: Rows rows (0 unused) of Columns text fields.
template <std::size_t Rows, std::size_t Columns>
using TextTable = std::array<std::array<QString, Columns>, Rows>;

/// The records a window-level table holds (its row 0 stays unused).
template <typename Table> inline constexpr int kVociDi = int(std::tuple_size_v<Table>) - 1;

/// Four word columns and their counts, as the two-field reader fills them.
struct WordTables {
    WordColumn Parole1;
    WordColumn Parole2;
    WordColumn Parole3;
    WordColumn Parole4;
    qint16 NumeroParole = 0;
    qint16 NumeroParole2 = 0;
};

} // namespace vocario
