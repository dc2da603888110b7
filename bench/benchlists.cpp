#include "benchlists.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace bench {
namespace {

constexpr int kLongList = 500;
constexpr int kShortList = 100;
constexpr int kForm2Synonyms = 200;

bool writeList(const QString& path, int records, const std::function<QString(int)>& line) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray text;
    for (int n = 1; n <= records; ++n)
        text += line(n).toUtf8() + "\r\n";
    return file.write(text) == text.size();
}

} // namespace

BenchLists::BenchLists(const QString& soundsFrom) {
    ok_ = all_.isValid() && form2_.isValid() && fill(all_.path(), kLongList, soundsFrom) &&
          fill(form2_.path(), kForm2Synonyms, soundsFrom);
}

bool BenchLists::fill(const QString& folder, int synonyms, const QString& soundsFrom) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("testi")))
        return false;
    if (QDir(soundsFrom + QStringLiteral("/suoni")).exists())
        QFile::link(soundsFrom + QStringLiteral("/suoni"), folder + QStringLiteral("/suoni"));
    const QString testi = folder + QStringLiteral("/testi/");
    // Words of an ordinary length, all different, so that every right and
    // wrong drop is judged as the pupil's would be.
    return writeList(testi + QStringLiteral("contrari.txt"), kLongList,
                     [](int n) { return QStringLiteral("alto%1, basso%1").arg(n); }) &&
           writeList(testi + QStringLiteral("sinonimi.txt"), synonyms,
                     [](int n) { return QStringLiteral("casa%1, abitazione%1").arg(n); }) &&
           writeList(testi + QStringLiteral("gradi.txt"), kLongList,
                     [](int n) { return QStringLiteral("tiepido%1, bollente%1").arg(n); }) &&
           writeList(testi + QStringLiteral("modididire.txt"), kLongList,
                     [](int n) {
                         return QStringLiteral("rompere il ghiaccio %1, superare "
                                               "l'imbarazzo iniziale %1")
                             .arg(n);
                     }) &&
           writeList(testi + QStringLiteral("aree1.txt"), kShortList,
                     [](int n) {
                         return QStringLiteral("frutta%1, mela%1, pera%1, ciliegia%1").arg(n);
                     }) &&
           writeList(testi + QStringLiteral("aree2.txt"), kShortList,
                     [](int n) { return QStringLiteral("carota%1, sedano%1, cavolo%1").arg(n); }) &&
           writeList(testi + QStringLiteral("vocario.txt"), kShortList, [](int n) {
               return QStringLiteral("Dopo la lunga corsa numero %1 Marco era esausto e si "
                                     "sedette sul prato., esausto%1, molto stanco %1, molto "
                                     "arrabbiato %1, molto affamato %1")
                   .arg(n);
           });
}

QString BenchLists::folderFor(int numero) const {
    return numero == 2 ? form2_.path() : all_.path();
}

int BenchLists::recordsFor(int numero) {
    switch (numero) {
    case 2:
        return kForm2Synonyms;
    case 4:
    case 6:
    case 9:
        return kShortList;
    default:
        return kLongList;
    }
}

} // namespace bench
