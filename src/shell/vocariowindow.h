#pragma once

#include <QMainWindow>

namespace vocario {

struct WindowDesign;

/// A window of the program built from its design table: it owns its
/// controls, paints its own background colour and finds controls by name.
class VocarioWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit VocarioWindow(const WindowDesign& design, QWidget* parent = nullptr);

    /// The window background as 0xBBGGRR; 0 (black) after a wrong answer.
    quint32 backColour() const { return backColour_; }
    void setBackColour(quint32 bgr);
    /// A control's back colour (the free function, visible inside windows).
    static void setBackColour(QWidget* control, quint32 bgr);

    /// Paints the background in a colour drawn from the palette.
    virtual void CaricaColori();

    /// The control with the given design name (Name(i) for array members).
    template <typename T = QWidget> T* control(const QString& name) const {
        return findChild<T*>(name);
    }
    template <typename T = QWidget> T* member(const QString& arrayName, int index) const;

  protected:
    /// Fixes the window to its client area plus its menu bar, if any.
    void fixSize();

  private:
    quint32 backColour_ = 0;
};

} // namespace vocario

#include "layouts/controlnames.h"

template <typename T> T* vocario::VocarioWindow::member(const QString& arrayName, int index) const {
    return control<T>(memberName(arrayName, index));
}
