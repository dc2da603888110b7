#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <chrono>

class QWidget;

namespace vocario {

struct AppState;

/// Reads aloud while "Leggi ad alta voce" is on: the word, sentence,
/// meaning or caption the pointer rests on for half a second, the control
/// that takes the keyboard focus (the one a window opens with included), and
/// the pair or sentence of an item as it is dealt (the text boxes of Form3
/// and Form9). Exists only while the
/// option is on; the voice itself is loaded at the first text.
class Lettore : public QObject {
    Q_OBJECT
  public:
    /// How long the pointer rests on a control before it is read.
    static constexpr std::chrono::milliseconds kSosta{500};

    explicit Lettore(AppState& stato);
    ~Lettore() override;

    /// Creates or removes the reader of `stato` as its options say.
    static void aggiorna(AppState& stato);
    /// Creates the voice (in the background) unless there is one. Reading
    /// aloud calls it at the first text; the start-up calls it once the
    /// start screen is up.
    static void preparaVoce(AppState& stato);

    /// Reads `testo` (as a pupil hears it: blanks and separators tidied).
    void leggi(const QString& testo);
    /// What reading `control` says: its text or caption (the menu item at
    /// `at` of a menu bar); empty when it shows none.
    static QString testoDi(const QWidget* control, QPoint at = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sostaFinita();
    void seguiFinestra(QWidget* window, bool appenaAperta);
    void leggiApertura(QWidget* window);
    void leggiControllo(const QWidget* control, QPoint at = {});

    AppState& stato_;
    QTimer sosta_;
    QPointer<QWidget> sotto_; ///< the control under the pointer
    QPoint dove_;             ///< where on it, for a menu bar
    /// What is followed (text boxes whose new texts are read, pick-and-place
    /// of the words), and the text boxes about to be read.
    QList<QPointer<QObject>> seguiti_;
    QList<QPointer<QWidget>> daLeggere_;
    /// Windows just shown: their focus and item are read once they are active.
    QList<QPointer<QWidget>> aperte_;
};

} // namespace vocario
