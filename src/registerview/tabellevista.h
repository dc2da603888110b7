#pragma once

#include <QList>
#include <QStandardItemModel>
#include <QStringList>
#include <Qt>

class QDateTime;
class QString;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QWidget;

namespace vocario::TabelleVista {

/// Cells of the teacher's tables: a number (sorted as one), a text, a
/// moment (sorted as a date, shown as Italians write it).
QStandardItem* numero(int n);
QStandardItem* testo(const QString& t);
QStandardItem* momento(const QDateTime& quando);
/// A moment as the tables show it ("08/12/2026 14:05").
QString data(const QDateTime& quando);

/// Where a row's first cell keeps the id it stands for (a pupil's): a role
/// of its own, as UserRole + 1 is the sorting key and + 2 the spreadsheet's text.
inline constexpr int kRuoloIdRiga = Qt::UserRole + 3;

/// A read-only, sortable table of `modello` named `nome` for a screen
/// reader: rows selected whole, the columns `larghe` sharing the room left
/// (none: every column as wide as its contents).
/// The rows come in the order they were put in, with no sort arrow, until
/// a header is clicked.
QTableView* tabella(QStandardItemModel* modello, const QString& nome, QWidget* dentro,
                    const QList<int>& larghe = {0});

/// Every cell sorts by its number or date when it has one, else by its text.
void ordinabile(QStandardItemModel* modello);

/// A moment as written for a spreadsheet: "2026-12-09T10:30:00".
QString perFoglio(const QDateTime& quando);
/// The table as the exports write it: headers first, then each row's texts.
/// For a spreadsheet the moments are written as ISO 8601 with its "T",
/// which Calc reads as a date with its default import (without the "T" it
/// keeps text) and which sorts as text too.
enum class Per { Vista, FoglioDiCalcolo };
QList<QStringList> righeDi(const QStandardItemModel* modello, Per per = Per::Vista);

} // namespace vocario::TabelleVista
