#include "limitielenchi.h"

#include "frame/accessibilita.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace vocario {

LimitiElenco limitiElenco(const Catalogo& catalogo, const QString& file) {
    LimitiElenco limiti;
    QStringList esercizi;
    for (const ExerciseEntry& entry : catalogo)
        for (const ListNeed& need : entry.lists) {
            if (need.file != file)
                continue;
            limiti.vociMinime = std::max(limiti.vociMinime, need.minRecords);
            limiti.vociMassime = esercizi.isEmpty() ? need.maxRecords
                                                    : std::min(limiti.vociMassime, need.maxRecords);
            limiti.vociMultiploDi = std::lcm(limiti.vociMultiploDi, need.block);
            esercizi << QStringLiteral("«%1»").arg(Accessibilita::didascaliaMenu(entry.menuButton));
        }
    // "«a»", "«a» e «b»", "«a», «b» e «c»"
    limiti.esercizi = esercizi.size() < 2
                          ? esercizi.join(QString())
                          : esercizi.mid(0, esercizi.size() - 1).join(QStringLiteral(", ")) +
                                QStringLiteral(" e ") + esercizi.last();
    return limiti;
}

} // namespace vocario
