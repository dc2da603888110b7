#pragma once

#include <QPointer>
#include <QWidget>

namespace vocario {

/// A thick outline drawn around one control, above its neighbours, that
/// follows the control wherever it moves. It takes no clicks, no drops and
/// no focus, so the control and its neighbours work as before.
class OutlineOverlay : public QWidget {
    Q_OBJECT
  public:
    enum class Look {
        /// The keyboard focus: black, white, black bands, readable on any colour.
        Focus,
        /// A picked word: yellow and black stripes, as a warning tape.
        Picked,
    };

    OutlineOverlay(Look look, QWidget* parent);

    /// Outlines `control` (a sibling of this overlay), or nothing.
    void follow(QWidget* control);
    QWidget* followed() const { return control_; }

    /// How far the outline reaches outside the control, in pixels: the focus
    /// ring goes round a picked word's stripes.
    static int reach(Look look) { return look == Look::Focus ? 9 : 4; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();

    Look look_;
    QPointer<QWidget> control_;
};

} // namespace vocario
