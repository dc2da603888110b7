#pragma once

#include <QString>

class QWidget;

namespace vocario {

struct Programma;

/// The program's message boxes, all titled "Vocario", with Italian buttons.
namespace Messaggi {

/// A question with "Sì" (the default, Return answers it) and "No"; true on "Sì".
bool chiediSiNo(QWidget* parent, const QString& text);
/// An information box with "OK".
void informa(QWidget* parent, const QString& text);
/// A warning with "OK", for word lists that cannot be used.
void avvisa(QWidget* parent, const QString& text);

/// The information box's text: name and version, a rule, the description,
/// the licence, then the author, web and mail lines the build names.
QString testoInformazioni(const Programma& programma);
/// The same for this build.
QString testoInformazioni();
/// Shows the information box.
void MostraInformazioni(QWidget* parent);
/// Asks whether to end the program and ends it on "Sì".
void ConfermaUscita(QWidget* parent);

} // namespace Messaggi
} // namespace vocario
