#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;

namespace vocario {

/// What a screen reader speaks while the focus stays where it is: a word
/// picked or put back, an answer with the new counts, the next item (what a
/// window holds when it opens is its description, not news). Qt 6.4 has no
/// announcement event and its name-change event reaches the screen reader
/// broken; a notification coming into view is spoken by Orca whatever has
/// the focus. The notification is an object no one sees: the window looks
/// as before.
class Annunciatore : public QObject {
    Q_OBJECT
  public:
    /// The parts of one piece of news, said in this order.
    enum class Parte { Esito, Dettaglio, Conteggi, Istruzione, Turno };

    /// The announcer of `window`, made at the first call.
    static Annunciatore* di(QWidget* window);

    /// Adds `testo` to the news said once the program is idle, so that what
    /// one key press brings is said once, in one sentence.
    void annuncia(Parte parte, const QString& testo);
    /// The same with a text known only when the news is said (the counts
    /// after every step of the answer).
    void annunciaPoi(Parte parte, std::function<QString()> testo);
    /// The text of the last piece of news (for tests and the accessible name).
    QString ultimo() const;

  private:
    explicit Annunciatore(QWidget* window);
    void programma();
    void di_();

    QPointer<QWidget> notifica_;
    QMap<Parte, QStringList> inAttesa_;
    QMap<Parte, std::function<QString()>> poi_;
    bool programmato_ = false;
};

} // namespace vocario
