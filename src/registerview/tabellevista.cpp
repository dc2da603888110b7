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

QTableView* tabella(QStandardItemModel* modello, const QString& nome, QWidget* dentro) {
    auto* vista = new QTableView(dentro);
    vista->setObjectName(nome);
    vista->setAccessibleName(nome);
    vista->setModel(modello);
    vista->setSortingEnabled(true);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setTabKeyNavigation(false);
    // The item's column takes the room left; the others fit their contents,
    // measured on the first rows only, so that a year's table opens at once.
    vista->horizontalHeader()->setResizeContentsPrecision(200);
    QHeaderView* intestazione = vista->horizontalHeader();
    intestazione->setSectionResizeMode(QHeaderView::ResizeToContents);
    QObject::connect(intestazione, &QHeaderView::sectionCountChanged, intestazione,
                     [intestazione](int, int quante) {
                         if (quante > 0)
                             intestazione->setSectionResizeMode(0, QHeaderView::Stretch);
                     });
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
