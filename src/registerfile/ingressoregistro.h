#pragma once

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace vocario {

struct AppState;

/// Where the register is and the program's way into it, without Qt SQL: the
/// program itself links this, and loads the register (with Qt SQL and Qt
/// Print Support) only when there is one to open.
namespace IngressoRegistro {

/// The register's folder: the state's, or the platform's data folder.
QString cartella(const AppState& stato);
/// The register's file in `cartella`.
QString file(const QString& cartella);
/// The copy of the classes and pupils the register last gave, kept in this
/// user's own folder for when the register cannot give them.
QString classiRicordate(const QString& cartella);
/// The school's server for this run: `daRiga` (--registro) when given, else
/// the user's settings (the teacher's), else the system-wide file the
/// technician writes (/etc/xdg/vocario/vocario.conf, key registro/server).
/// Empty when none is set: the register stays on the PC.
QString server(const QString& daRiga);
/// True when there is a register to ask: its file in the state's folder (or
/// the copy of its classes, when the file has gone) or a school's server.
/// Reads no file, opens no database.
bool daAprire(const AppState& stato, const QString& daRiga);

/// "Registro", for the teacher's part of "Opzioni": `apri` opens the view.
QPushButton* bottone(QWidget* dialogo, std::function<void()> apri);

} // namespace IngressoRegistro
} // namespace vocario
