#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bench {

/// Program folders with word lists of the benchmark's size: 500 records in
/// every list that takes 500, 100 in aree1, aree2 and vocario, which take no
/// more. Form2 reads at most 200 synonyms, so it gets a folder of its own.
class BenchLists {
  public:
    /// `soundsFrom`: a folder whose suoni/ the program folders share.
    explicit BenchLists(const QString& soundsFrom);

    bool ok() const { return ok_; }
    /// The program folder for exercise window `numero` (1..9).
    QString folderFor(int numero) const;
    /// The number of records the window reads.
    static int recordsFor(int numero);

  private:
    bool fill(const QString& folder, int synonyms, const QString& soundsFrom);

    QTemporaryDir all_;
    QTemporaryDir form2_;
    bool ok_ = false;
};

} // namespace bench
