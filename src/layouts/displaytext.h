#pragma once

#include <QString>

class QWidget;

namespace vocario {

/// Whether a control shows its text in capitals (STAMPATO MAIUSCOLO, accents
/// kept: "è" shows "È"). Only what is drawn changes: the control keeps the
/// text as the program set it, and answers are judged on that.
void setShowsCapitals(QWidget* control, bool capitals);
/// `text` as `control` draws it.
QString shownText(const QWidget* control, const QString& text);

} // namespace vocario
