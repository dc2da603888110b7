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
    /// The line on which each record starts.
    QList<int> recordLines;
};

/// A folder of word lists, and how messages name a file in it.
struct WordListFolder {
    QString path;
    /// Put before the file's name in messages: "testi/" for the program's
    /// own lists, the full path for a folder of the teacher's.
    QString shownAs;
};

/// Reads the word-list files. Several folders may hold lists: a file is
/// taken from the first folder that has it, so a teacher's folder put before
/// the program's replaces the program's lists file by file. A list is read
/// whole and checked before anything is stored, so a broken list never
/// leaves half its words in the tables.
class WordListReader {
  public:
    /// Largest file accepted; far beyond the longest valid list.
    static constexpr qint64 kMaxFileBytes = 2 * 1024 * 1024;

    /// `programFolder` is the folder of the program; the file is looked up in
    /// its `testi` subfolder.
    explicit WordListReader(const QString& programFolder);
    /// The lists of `folders`, the first that holds a file giving it.
    explicit WordListReader(QList<WordListFolder> folders) : folders_(std::move(folders)) {}

    /// Reads `fileName` (for example "contrari.txt"), grouping its fields
    /// `fieldsPerRecord` at a time; more than `maxRecords` records is an error,
    /// and so is a number of records that is not a multiple of `block`, for
    /// an exercise that deals blocks of consecutive records.
    WordListResult read(const QString& fileName, int fieldsPerRecord, int maxRecords,
                        int block = 1) const;

    /// The same rules applied to text already in memory; `shownName` names the
    /// file in messages. `tabulazioni`: tabs may separate the parts, as in
    /// Excel's "Unicode text" (a class list; never a word list).
    static WordListResult parse(const QByteArray& bytes, const QString& shownName,
                                int fieldsPerRecord, int maxRecords, bool tabulazioni = false);

    /// Where `fileName` is read from: the first folder that holds it, or the
    /// last folder when none does.
    QString pathOf(const QString& fileName) const;
    /// Index of the folder that holds `fileName`; -1 when none does.
    int sourceFolder(const QString& fileName) const;
    /// How messages name `fileName`.
    QString shownNameOf(const QString& fileName) const;
    /// The raw bytes of `fileName`, or a message why they cannot be had.
    bool load(const QString& fileName, QByteArray& bytes, QString& error) const;

  private:
    QList<WordListFolder> folders_;
};

} // namespace vocario
