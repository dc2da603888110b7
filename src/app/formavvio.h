#pragma once

#include "frame/vocariowindow.h"

namespace vocario {

/// The start screen: the program's name and the button that opens the menu.
class FormAvvio : public VocarioWindow {
    Q_OBJECT
  public:
    explicit FormAvvio(AppState& stato);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BottoneAvvio_Click();
};

} // namespace vocario
