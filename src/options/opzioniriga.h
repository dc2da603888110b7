#pragma once

#include "opzioni.h"

#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

namespace vocario {

/// The options on the command line, so that a teacher can make a shortcut
/// per pupil or per board: `--dimensione normale|grande|schermo-intero`,
/// `--leggi` / `--non-leggere`, `--alta-leggibilita` / `--caratteri-normali`,
/// `--maiuscolo` / `--minuscolo`. They hold for that run only: the stored
/// options stay as they are until the pupil changes them in "Opzioni".
namespace OpzioniRiga {

/// The options, described in Italian for --help.
QList<QCommandLineOption> tutte();
/// Adds them to `parser`.
void registra(QCommandLineParser& parser);
/// The choices given; of two opposites the later one counts. A size that
/// is not one of the three is left out and explained in `errori`.
ScelteOpzioni leggi(const QCommandLineParser& parser, QStringList* errori = nullptr);
/// The values an option takes, in words ("normale, grande o
/// schermo-intero"); empty when any value will do.
QString valoriAmmessi(const QString& nome);

} // namespace OpzioniRiga
} // namespace vocario
