#pragma once

#include <QString>

namespace vocario {

/// The seven word-list files of the `testi` folder.
namespace WordListFile {
inline const QString Contrari = QStringLiteral("contrari.txt");
inline const QString Sinonimi = QStringLiteral("sinonimi.txt");
inline const QString Gradi = QStringLiteral("gradi.txt");
inline const QString ModiDiDire = QStringLiteral("modididire.txt");
inline const QString Aree1 = QStringLiteral("aree1.txt");
inline const QString Aree2 = QStringLiteral("aree2.txt");
inline const QString Vocario = QStringLiteral("vocario.txt");
} // namespace WordListFile

} // namespace vocario
