#pragma once

#include "geometry/postofinestra.h"

#include <QMainWindow>

namespace vocario {

struct AppState;
struct WindowDesign;

/// A window of the program built from its design table over the program's
/// state: it owns its controls, paints its own background colour and finds
/// controls by name.
class VocarioWindow : public QMainWindow {
    Q_OBJECT
  public:
    /// Whether a menu bar will stand above the client area.
    enum class BarraDeiMenu { Senza, Con };

    /// Builds the window at the size chosen in "Opzioni", its words in the
    /// look chosen there.
    VocarioWindow(const WindowDesign& design, AppState& stato,
                  BarraDeiMenu barra = BarraDeiMenu::Senza);

    /// The program's state that this window reads and changes.
    const AppState& statoComune() const { return stato_; }

    /// The window background as 0xBBGGRR; 0 (black) after a wrong answer.
    quint32 backColour() const { return backColour_; }
    void setBackColour(quint32 bgr);
    /// A control's back colour (the free function, visible inside windows).
    static void setBackColour(QWidget* control, quint32 bgr);

    /// Paints the background in a colour drawn from the palette.
    virtual void CaricaColori();

    /// The control with the given design name (Name(i) for array members).
    /// A name that the design does not have, or a control of another kind,
    /// is a programming error: the program stops and names it.
    template <typename T = QWidget> T* control(const QString& name) const {
        T* found = findChild<T*>(name);
        if (!found)
            controlloMancante(name);
        return found;
    }
    template <typename T = QWidget> T* member(const QString& arrayName, int index) const;
    /// True when the design has a control of that name.
    bool hasControl(const QString& name) const;

  protected:
    AppState& stato_;

    /// Fixes the window to its client area plus its menu bar, if any, and
    /// puts it in its place on the screen.
    void fixSize();
    /// Tab goes through the controls in the order they stand on the screen.
    bool focusNextPrevChild(bool next) override;

  private:
    [[noreturn]] void controlloMancante(const QString& name) const;

    quint32 backColour_ = 0;
    PostoFinestra posto_;
};

} // namespace vocario

#include "layouts/controlnames.h"

template <typename T> T* vocario::VocarioWindow::member(const QString& arrayName, int index) const {
    return control<T>(memberName(arrayName, index));
}
