#pragma once

#include <QList>
#include <functional>

class QWidget;

namespace vocario {
class ExerciseWindow;
}

namespace bench {

/// One answer the benchmark gives, as a pupil would: a drop or a click.
/// `approach` is what comes before the answer (the drag entering the target,
/// the press of the mouse button); `give` the drop or the release, which
/// the window answers.
struct Answer {
    bool right = false;
    std::function<void()> approach;
    std::function<void()> give;
};

/// The answers that finish the item on show in exercise window `numero`
/// (1..9): for every word or question a wrong answer, then the right one.
/// Each answer looks at the window only when it is given.
QList<Answer> answersForItem(int numero, vocario::ExerciseWindow* window);

/// The two halves of a left-button click as the platform delivers it.
void press(QWidget* widget);
void release(QWidget* widget);
/// A click on a widget that the window finds when the answer is given.
Answer clickOn(bool right, std::function<QWidget*()> widget);

} // namespace bench
