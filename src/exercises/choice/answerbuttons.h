#pragma once

#include <QList>

class QPushButton;
class QWidget;

namespace vocario {

/// The answer buttons of a choice window: while "avanti" waits they are
/// locked, the pressed one red; "avanti" opens them again in their own colour.
class AnswerButtons {
  public:
    AnswerButtons() = default;
    explicit AnswerButtons(QList<QPushButton*> buttons);

    /// Paints `premuto` red and disables every answer button.
    void blocca(QWidget* premuto);
    /// Gives every answer button the colour `bgr`, then enables it.
    void riapri(quint32 bgr);

    const QList<QPushButton*>& buttons() const { return buttons_; }

  private:
    QList<QPushButton*> buttons_;
};

} // namespace vocario
