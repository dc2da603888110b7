#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace vocario::endurance {

/// Everything a pupil can see of the program at one moment, and the counts:
/// to show that an input changed nothing at all.
class WindowSnapshot {
  public:
    /// The window on show (the only program window) and the process state.
    static WindowSnapshot take();

    /// Empty when both show the same; otherwise the first difference.
    QString differenceFrom(const WindowSnapshot& before) const;

  private:
    struct Control {
        QString name;
        QString text;
        bool enabled = false;
        bool visible = false;
        quint32 back = 0;
        int top = 0;
    };
    QString window_;
    quint32 back_ = 0;
    int esatti_ = 0;
    int errati_ = 0;
    QList<Control> controls_;
};

} // namespace vocario::endurance
