#pragma once

#include "nomielenchi.h"
#include "wordlistreader.h"
#include "wordtables.h"

namespace vocario {

/// Two-field reader: field 1 of record n into first[n], field 2 into
/// second[n], the number of records into count; at most `limit` records, in
/// whole blocks of `block` (WordListReader::read). On failure nothing changes.
WordListResult leggiDueCampi(const WordListReader& reader, const QString& fileName,
                             WordColumn& first, WordColumn& second, qint16& count,
                             int limit = kMaxParole, int block = 1);

/// Reader into a window-level table: the fields of record n go to columns
/// firstColumn.. of row n, the number of records into count. On failure
/// nothing changes.
template <std::size_t Rows, std::size_t Columns>
WordListResult leggiTabella(const WordListReader& reader, const QString& fileName,
                            int fieldsPerRecord, int firstColumn, TextTable<Rows, Columns>& table,
                            qint16& count) {
    static_assert(Rows > 1);
    WordListResult result = reader.read(fileName, fieldsPerRecord, int(Rows) - 1);
    if (!result.ok)
        return result;
    for (int n = 1; n <= result.records.size(); ++n)
        for (int f = 0; f < fieldsPerRecord; ++f)
            table[size_t(n)][size_t(firstColumn + f)] = result.records[n - 1][f];
    count = qint16(result.records.size());
    return result;
}

} // namespace vocario
