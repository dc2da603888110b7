#include "cartelle.h"

#include "datiprogramma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vocario::Cartelle {
namespace {

/// The executable's folder; before the application exists (the command
/// line's answers, which may load the teacher's module), the kernel's name of
/// the running program, which is where Qt looks too.
QString cartellaEseguibile() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

/// True when the data sit beside the executable.
bool tuttoAccanto() {
    return QFileInfo::exists(cartellaEseguibile() + QStringLiteral("/testi"));
}

QString daEseguibile(const char* relativa) {
    return QDir::cleanPath(cartellaEseguibile() + u'/' + QString::fromUtf8(relativa));
}

} // namespace

QString datiProgramma() {
    return tuttoAccanto() ? cartellaEseguibile() : daEseguibile(DatiProgramma::kDatiDaEseguibile);
}

QString cartellaModuli() {
    return tuttoAccanto() ? cartellaEseguibile() : daEseguibile(DatiProgramma::kModuliDaEseguibile);
}

} // namespace vocario::Cartelle
