#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vocario {

/// What a word-list read gave: the records, or a message for the teacher.
struct WordListResult {
    bool ok = true;
    QString error; ///< Italian, names the file and, where it can, the line
    QList<QStringList> records;
};

/// Reads the word-list files of the `testi` folder. A list is read whole and
/// checked before anything is stored, so a broken list never leaves half its
/// words in the tables.
class WordListReader {
  public:
    /// Largest file accepted; far beyond the longest valid list.
    static constexpr qint64 kMaxFileBytes = 2 * 1024 * 1024;

    /// `programFolder` is the folder of the program; the file is looked up in
    /// its `testi` subfolder.
    explicit WordListReader(QString programFolder) : folder_(std::move(programFolder)) {}

    /// Reads `fileName` (for example "contrari.txt"), grouping its fields
    /// `fieldsPerRecord` at a time; more than `maxRecords` records is an error.
    WordListResult read(const QString& fileName, int fieldsPerRecord, int maxRecords) const;

    /// The same rules applied to text already in memory; `shownName` names the
    /// file in messages.
    static WordListResult parse(const QByteArray& bytes, const QString& shownName,
                                int fieldsPerRecord, int maxRecords);

    QString pathOf(const QString& fileName) const;

  private:
    QString folder_;
};

} // namespace vocario
