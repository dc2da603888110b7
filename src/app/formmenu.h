#pragma once

#include "frame/vocariowindow.h"

namespace vocario {

/// The exercise menu: nine exercise buttons, "Esci", the choice between
/// moving on by itself and waiting for "avanti", and "Opzioni".
class FormMenu : public VocarioWindow {
    Q_OBJECT
  public:
    explicit FormMenu(AppState& stato);

  private:
    void Option1_Click(int index);
    void apriOpzioni();
};

} // namespace vocario
