#include "cartelle.h"

#include "datiprogramma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vocario::Cartelle {
namespace {

/// True when the data sit beside the executable.
bool tuttoAccanto() {
    return QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/testi"));
}

QString daEseguibile(const char* relativa) {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QString::fromUtf8(relativa));
}

} // namespace

QString datiProgramma() {
    return tuttoAccanto() ? QCoreApplication::applicationDirPath()
                          : daEseguibile(DatiProgramma::kDatiDaEseguibile);
}

QString cartellaModuli() {
    return tuttoAccanto() ? QCoreApplication::applicationDirPath()
                          : daEseguibile(DatiProgramma::kModuliDaEseguibile);
}

} // namespace vocario::Cartelle
