#include "tabellevista.h"

#include <QDateTime>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace vocario::TabelleVista {
namespace {

// A moment as a spreadsheet takes it (see righeDi).
constexpr int kRuoloFoglio = Qt::UserRole + 2;

} // namespace

QString perFoglio(const QDateTime& quando) {
    return quando.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString data(const QDateTime& quando) {
    return quando.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QStandardItem* numero(int n) {
    auto* item = new QStandardItem;
    item->setData(n, Qt::DisplayRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem* testo(const QString& t) {
    return new QStandardItem(t);
}

// Sorted as a date, shown as Italians write it.
QStandardItem* momento(const QDateTime& quando) {
    auto* item = new QStandardItem(data(quando));
    item->setData(quando.toMSecsSinceEpoch(), Qt::UserRole);
    item->setData(perFoglio(quando), kRuoloFoglio);
    return item;
}

QTableView* tabella(QStandardItemModel* modello, const QString& nome, QWidget* dentro,
                    const QList<int>& larghe) {
    auto* vista = new QTableView(dentro);
    vista->setObjectName(nome);
    vista->setAccessibleName(nome);
    vista->setModel(modello);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setTabKeyNavigation(false);
    // The columns `larghe` share the room left; the others fit their contents,
    // measured on the first rows only, so that a year's table opens at once.
    vista->horizontalHeader()->setResizeContentsPrecision(200);
    QHeaderView* intestazione = vista->horizontalHeader();
    intestazione->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Now for a model already filled, and again whenever it is refilled.
    const auto allarga = [intestazione, larghe](int, int quante) {
        for (const int larga : larghe)
            if (quante > larga)
                intestazione->setSectionResizeMode(larga, QHeaderView::Stretch);
    };
    allarga(0, intestazione->count());
    QObject::connect(intestazione, &QHeaderView::sectionCountChanged, intestazione, allarga);
    // The rows a reading brings stay in its order (the most missed first),
    // with no arrow over a column, until a header is clicked; a new reading
    // forgets that sort. Sorting on by column 0 would sort them, and the
    // arrow would stay over rows read again in the query's order.
    intestazione->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(modello, &QAbstractItemModel::modelReset, intestazione,
                     [intestazione] { intestazione->setSortIndicator(-1, Qt::AscendingOrder); });
    vista->setSortingEnabled(true);
    vista->verticalHeader()->hide();
    modello->setSortRole(Qt::UserRole + 1);
    return vista;
}

void ordinabile(QStandardItemModel* modello) {
    for (int r = 0; r < modello->rowCount(); ++r)
        for (int c = 0; c < modello->columnCount(); ++c) {
            QStandardItem* item = modello->item(r, c);
            const QVariant chiave = item->data(Qt::UserRole).isValid()
                                        ? item->data(Qt::UserRole)
                                        : item->data(Qt::DisplayRole);
            item->setData(chiave, Qt::UserRole + 1);
        }
}

QList<QStringList> righeDi(const QStandardItemModel* modello, Per per) {
    QList<QStringList> righe;
    QStringList intestazioni;
    for (int c = 0; c < modello->columnCount(); ++c)
        intestazioni << modello->horizontalHeaderItem(c)->text();
    righe << intestazioni;
    for (int r = 0; r < modello->rowCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < modello->columnCount(); ++c) {
            const QStandardItem* item = modello->item(r, c);
            const QVariant foglio = item->data(kRuoloFoglio);
            riga << (per == Per::FoglioDiCalcolo && foglio.isValid() ? foglio
                                                                     : item->data(Qt::DisplayRole))
                        .toString();
        }
        righe << riga;
    }
    return righe;
}

} // namespace vocario::TabelleVista
