#pragma once

// Helpers shared by the drag-and-match tests: opening a window, scripting a
// deal, and dropping a label the way a real drag delivers it.

#include "dropdelivery.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "exercises/matching/dragmatchwindow.h"
#include "layouts/designlabel.h"
#include "layouts/dragpayload.h"

#include <QMimeData>
#include <QtTest>

namespace vocario::testing {

/// Opens exercise window `numero` as the menu would and returns it.
inline DragMatchWindow* openDragMatch(int numero) {
    if (!Navigazione::apriEsercizio(numero, nullptr))
        return nullptr;
    const QList<QWidget*> windows = TestEnvironment::visibleWindows();
    return windows.size() == 1 ? qobject_cast<DragMatchWindow*>(windows.first()) : nullptr;
}

inline DesignLabel* label3(const VocarioWindow* w, int k) {
    return w->member<DesignLabel>(QStringLiteral("Label3"), k);
}
inline DesignLabel* label4(const VocarioWindow* w, int k) {
    return w->member<DesignLabel>(QStringLiteral("Label4"), k);
}
inline QString text3(const VocarioWindow* w, int k) {
    return label3(w, k)->text();
}
inline QString text4(const VocarioWindow* w, int k) {
    return label4(w, k)->text();
}

/// The values that deal one item of a window that draws records one by one:
/// palette slot `colour`, the record numbers as drawn (repeats included) out
/// of `records`, then the label drawn for each row out of `rows`.
inline QList<float> dealValues(int colour, const QList<int>& drawn, int records,
                               const QList<int>& rowPicks) {
    QList<float> values{pickWhole(colour, 18)};
    for (int record : drawn)
        values << pickWhole(record, records);
    for (int pick : rowPicks)
        values << pickIndex(pick, int(rowPicks.size()));
    return values;
}

/// Records 1..n, each label in its own row.
inline QList<int> upTo(int n) {
    QList<int> values;
    for (int i = 1; i <= n; ++i)
        values << i;
    return values;
}
inline QList<int> inOrder(int n) {
    QList<int> values;
    for (int i = 0; i < n; ++i)
        values << i;
    return values;
}

/// Twelve antonym pairs: record n is line n.
inline const QString kTwelveAntonyms = QStringLiteral("alto, basso\n"
                                                      "aperto, chiuso\n"
                                                      "bello, brutto\n"
                                                      "caldo, freddo\n"
                                                      "dolce, amaro\n"
                                                      "felice, triste\n"
                                                      "grande, piccolo\n"
                                                      "lungo, corto\n"
                                                      "pieno, vuoto\n"
                                                      "veloce, lento\n"
                                                      "vecchio, giovane\n"
                                                      "forte, debole\n");

/// Opens Form1 on kTwelveAntonyms with records 1..9 in slots 0..8, each word
/// in its own row (Label3(k) in row k), in colour slot 9.
inline DragMatchWindow* openForm1InOrder(TestEnvironment& env) {
    env.writeList(QStringLiteral("contrari.txt"), kTwelveAntonyms);
    env.scriptRandom(dealValues(9, upTo(9), 12, inOrder(9)));
    return openDragMatch(1);
}

inline bool isShown(const VocarioWindow* w, const char* name) {
    return !w->control(QString::fromLatin1(name))->isHidden();
}

/// Delivers a drag of `payload` onto the middle of `target`. Returns whether
/// the drop was taken.
inline bool deliverDrop(QWidget* target, QMimeData* payload) {
    return deliverDropAt(target, QRectF(target->rect()).center(), payload);
}

inline bool dropOn(QWidget* target, const QString& source) {
    return deliverDrop(target, DragPayload::encode(source));
}

/// Drops Label3(source) on Label4(target) of the same window.
inline bool drop(const VocarioWindow* w, int source, int target) {
    return dropOn(label4(w, target), QStringLiteral("Label3(%1)").arg(source));
}

/// Drags the label named `source` over window `w` and drops it at `at`
/// (window coordinates): the window passes it to the control that takes
/// drops there, if any. Returns whether the drop was taken.
inline bool dropThroughWindow(QWidget* w, QPoint at, const QString& source) {
    return deliverDropAt(w->windowHandle(), at, DragPayload::encode(source));
}

} // namespace vocario::testing
