#pragma once

#include "design.h"

class QWidget;
class QMainWindow;

namespace vocario {

/// Turns a design table into widgets: the window gets its name, title, icon,
/// place and client size; every control is created on the returned client
/// area with its design name as objectName.
class LayoutBuilder {
  public:
    static QWidget* build(const WindowDesign& design, QMainWindow* window);
    /// Loads ahead what the window needs the first time it is built and
    /// painted (the fonts of its controls, its pictures at their sizes), so
    /// that its first opening is as quick as the next ones.
    static void preload(const WindowDesign& design);

  private:
    static QWidget* createControl(const ControlDesign& row, int index, QWidget* client);
};

} // namespace vocario
