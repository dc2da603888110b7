#pragma once

#include "opzioni.h"

#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

namespace vocario {

/// The options on the command line, made from the table of options, so that
/// a teacher can make a shortcut per pupil or per board: a word for an option
/// chosen among words (`--dimensione normale|grande|schermo-intero`), a pair
/// of switches for a yes/no one (`--leggi` / `--non-leggere`). They hold for
/// that run only: the stored options stay as they are until the pupil
/// changes them in "Opzioni".
namespace OpzioniRiga {

/// The switches, described in Italian for --help, in the table's order.
QList<QCommandLineOption> tutte();
/// Adds them to `parser`.
void registra(QCommandLineParser& parser);
/// The choices given; of two opposites the later one counts. A word that
/// is not one of an option's is left out and explained in `errori`.
ScelteOpzioni leggi(const QCommandLineParser& parser, QStringList* errori = nullptr);
/// The values the switch `nome` takes, in words ("normale, grande o
/// schermo-intero"); empty when any value will do.
QString valoriAmmessi(const QString& nome);

} // namespace OpzioniRiga
} // namespace vocario
