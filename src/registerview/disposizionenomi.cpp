#include "disposizionenomi.h"

#include <QFontMetrics>

#include <algorithm>
#include <optional>
#include <utility>

namespace vocario::DisposizioneNomi {
namespace {

// Room a button takes around its text, the keyboard's thick frame included.
constexpr int kMargineLargo = 24;
constexpr int kMargineAlto = 16;

// `nome` broken at the space that leaves its longer line shortest, and the
// width of that line; as it is without a space.
std::pair<QString, int> suDueRighe(const QString& nome, const QFontMetrics& metrica) {
    std::pair<QString, int> migliore{nome, metrica.horizontalAdvance(nome)};
    for (qsizetype i = nome.indexOf(u' '); i >= 0; i = nome.indexOf(u' ', i + 1)) {
        const int larghezza = std::max(metrica.horizontalAdvance(nome.left(i)),
                                       metrica.horizontalAdvance(nome.mid(i + 1)));
        if (migliore.first == nome || larghezza < migliore.second)
            migliore = {nome.left(i) + u'\n' + nome.mid(i + 1), larghezza};
    }
    return migliore;
}

// The names as shown in buttons of `larga` x `alta` at `metrica`; nothing
// when one of them does not fit whole.
std::optional<QStringList> testiInteri(const QStringList& nomi, const QFontMetrics& metrica,
                                       int larga, int alta, bool aCapo) {
    QStringList testi;
    for (const QString& nome : nomi) {
        if (metrica.horizontalAdvance(nome) + kMargineLargo <= larga &&
            metrica.height() + kMargineAlto <= alta) {
            testi << nome;
            continue;
        }
        const auto [dueRighe, larghezza] = suDueRighe(nome, metrica);
        if (!aCapo || dueRighe == nome || larghezza + kMargineLargo > larga ||
            metrica.height() + metrica.lineSpacing() + kMargineAlto > alta)
            return std::nullopt;
        testi << dueRighe;
    }
    return testi;
}

std::optional<Scelta> cerca(const QStringList& nomi, const QSize& spazio, int spaziatura,
                            QFont font, bool aCapo, int puntiMinimi) {
    const int quanti = int(nomi.size());
    std::optional<Scelta> migliore;
    for (int colonne = 1; colonne <= std::min(quanti, kColonne); ++colonne) {
        const int righe = (quanti + colonne - 1) / colonne;
        const int larga = (spazio.width() - (colonne - 1) * spaziatura) / colonne;
        const int alta =
            std::min(kAltezzaBottone, (spazio.height() - (righe - 1) * spaziatura) / righe);
        if (alta < kAltezzaMinima && colonne < std::min(quanti, kColonne))
            continue; // too many rows: more columns
        for (int punti = kPuntiNomi; punti >= (migliore ? migliore->punti : puntiMinimi); --punti) {
            font.setPointSize(punti);
            if (std::optional<QStringList> testi =
                    testiInteri(nomi, QFontMetrics(font), larga, alta, aCapo)) {
                migliore = Scelta{.colonne = colonne,
                                  .punti = punti,
                                  .altezza = std::max(alta, kAltezzaMinima),
                                  .testi = std::move(*testi)};
                break;
            }
        }
    }
    return migliore;
}

} // namespace

Scelta scegli(const QStringList& nomi, const QSize& spazio, int spaziatura, QFont font) {
    // One line each if any size lets it; else long names on two lines, a
    // little smaller still if need be: smaller letters, never a name cut.
    const struct {
        bool aCapo;
        int puntiMinimi;
    } prove[] = {{false, kPuntiMinimi}, {true, kPuntiMinimi}, {true, kPuntiMinimi - 2}};
    for (const auto& prova : prove)
        if (std::optional<Scelta> scelta =
                cerca(nomi, spazio, spaziatura, font, prova.aCapo, prova.puntiMinimi))
            return *scelta;
    return {.colonne = std::min(int(nomi.size()), kColonne), .testi = nomi};
}

} // namespace vocario::DisposizioneNomi
