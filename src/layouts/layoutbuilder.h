#pragma once

#include "geometry/design.h"
#include "geometry/designscale.h"

class QWidget;
class QMainWindow;

namespace vocario {

/// Turns a design table into widgets: the window gets its name, title, icon,
/// place and client size; every control is created on the returned client
/// area with its design name as objectName. Places, sizes, fonts and
/// pictures follow `scale` (the design's own size when not given).
class LayoutBuilder {
  public:
    static QWidget* build(const WindowDesign& design, QMainWindow* window,
                          const DesignScale& scale = {});
    /// A control that the program adds to a built window, as a design row
    /// (a single control) on its client area, at the window's scale.
    static QWidget* addControl(const ControlDesign& row, QWidget* client);
    /// Loads ahead what the window needs the first time it is built and
    /// painted (the fonts of its controls, its pictures at their sizes), so
    /// that its first opening is as quick as the next ones.
    static void preload(const WindowDesign& design);

  private:
    static QWidget* createControl(const ControlDesign& row, int index, QWidget* client);
};

} // namespace vocario
