#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vocario::endurance {

/// Lets the play-through test see inside the running program: on a line
/// "dump" read from standard input it writes one line "PROBE <json>" to
/// standard output describing every visible window, its controls with their
/// screen rectangles, the menu actions, the counts, the right and wrong
/// answers on offer and the state of a drag in progress. It never acts on
/// the program: every action of the test goes through the X server.
class ProbeServer : public QObject {
    Q_OBJECT
  public:
    explicit ProbeServer(QObject* parent = nullptr);

    QJsonObject dump() const;
    /// More to report under "register" in every dump (what recording costs).
    void setRegisterReport(std::function<QJsonObject()> report) {
        registerReport_ = std::move(report);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void readRequests();
    void answer(const QByteArray& request);

    QSocketNotifier* input_ = nullptr;
    QByteArray pending_;
    /// The drop target under a drag in progress, and drops delivered so far.
    QString dragOver_;
    int drops_ = 0;
    std::function<QJsonObject()> registerReport_;
};

} // namespace vocario::endurance
