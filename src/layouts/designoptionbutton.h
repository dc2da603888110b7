#pragma once

#include <QRadioButton>

namespace vocario {

/// An option button whose caption wraps onto more lines within its width, as
/// the menu's long captions need; a click anywhere on it selects it.
class DesignOptionButton : public QRadioButton {
    Q_OBJECT
  public:
    using QRadioButton::QRadioButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace vocario
