#pragma once

#include <QLabel>
#include <QPoint>
#include <optional>

namespace vocario {

/// A label of a design table. Besides showing text it can be picked up and
/// dragged (draggable labels), receive dropped labels (drop targets) and be
/// clicked.
class DesignLabel : public QLabel {
    Q_OBJECT
  public:
    explicit DesignLabel(QWidget* parent = nullptr);

    /// A word to drag, or a place for words, also takes the keyboard focus.
    void setDraggable(bool draggable);
    bool isDraggable() const { return draggable_; }
    void setDropTarget(bool target);
    /// A face that keeps room above its capitals for stacked accents (see
    /// TallFaceText): the text is fitted by the room its letters take, with
    /// a margin, at one size with the other members of the label's array.
    void setTallFace(bool tall);
    /// The font the text was drawn in at the last paint.
    const QFont& drawnFont() const { return drawn_; }
    /// What a click does, for the keyboard (Space, Return) and for assistive
    /// technology.
    void click() { emit clicked(); }

  signals:
    /// A left click, pressed and released on the label without dragging. The
    /// second click of a double click does not count again.
    void clicked();
    /// A dragged label, named by its design name, was dropped here.
    void dropped(const QString& sourceName);

  protected:
    /// Draws the text wrapped within the label, in a smaller size when the
    /// designed one would not fit, so that no word is ever cut off.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void startDrag();
    QFont fittingFont(const QString& text, const QRect& area, int flags) const;
    const QFont& fittedFont(const QString& text, const QRect& area, int flags);
    QRect textArea() const;
    int tallMargin() const;
    /// The smallest fitted size among the members of this label's array.
    QFont arrayFont(const QFont& own, int flags);

    /// The last fitted font and what it was fitted to: a repaint with the
    /// same text, font and room (every repaint but the first, mostly) takes
    /// it as it is instead of measuring the text again.
    struct Fit {
        QString text;
        QFont font;
        QSize area;
        int flags = 0;
        QFont fitted;
    };
    std::optional<Fit> fit_;

    QFont drawn_;
    bool tallFace_ = false;
    qreal arrayPoints_ = 0; ///< the size arrayFont gave at the last paint
    bool draggable_ = false;
    bool pressed_ = false;
    bool ignoreRelease_ = false;
    QPoint pressPos_;
};

} // namespace vocario
