#pragma once

#include <QList>
#include <QtGlobal>

namespace vocario {

class Registro;

/// A class of `alunni` pupils over 40 weeks up to now, nine exercises of
/// 200 items each, one answer in four wrong, as the writer would have
/// written them (seeded: the same file each time). The pupils' ids.
QList<qint64> riempiRegistro(Registro& registro, int alunni, int risposte);

} // namespace vocario
