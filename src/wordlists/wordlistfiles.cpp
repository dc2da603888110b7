#include "wordlistfiles.h"

namespace vocario {

WordListResult leggiDueCampi(const WordListReader& reader, const QString& fileName,
                             WordColumn& first, WordColumn& second, qint16& count, int limit,
                             int block) {
    WordListResult result = reader.read(fileName, 2, qMin(limit, kMaxParole), block);
    if (!result.ok)
        return result;
    for (int n = 1; n <= result.records.size(); ++n) {
        first[n] = result.records[n - 1][0];
        second[n] = result.records[n - 1][1];
    }
    count = qint16(result.records.size());
    return result;
}

} // namespace vocario
