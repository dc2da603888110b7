#pragma once

// Opening an exercise and answering it the way a pupil does, for the input tests.

#include "answeroracle.h"
#include "simulatedmouse.h"
#include "testenvironment.h"

#include "app/navigazione.h"
#include "core/appstate.h"
#include "frame/exercisewindow.h"

#include <QPushButton>

namespace vocario::endurance {

/// Opens Form`numero` as its menu button does, waiting for "avanti" or not.
inline ExerciseWindow* openExercise(AppState& state, int numero, bool waitForAvanti) {
    state.AttendeBottone = waitForAvanti ? -1 : 0;
    if (!Navigazione::apriEsercizio(numero, nullptr))
        return nullptr;
    const QList<QWidget*> shown = testing::TestEnvironment::visibleWindows();
    return shown.size() == 1 ? qobject_cast<ExerciseWindow*>(shown.first()) : nullptr;
}

/// Gives one answer: a drop of the dragged word on its place, or a click.
inline void give(ExerciseWindow* window, const Move& move, SimulatedMouse& mouse) {
    if (move.isDrag())
        SimulatedMouse::dropWord(window->control(move.target), move.source);
    else
        mouse.click(window->control(move.source));
}

/// Answers right until the item is finished and "avanti" waits; false if
/// no right answer was on offer before that.
inline bool finishItem(ExerciseWindow* window, SimulatedMouse& mouse) {
    for (int answers = 0; answers < 20 && !window->bottoneAvanti()->isEnabled(); ++answers) {
        const QList<Move> right = AnswerOracle(window).rightMoves();
        if (right.isEmpty())
            return false;
        give(window, right.first(), mouse);
    }
    return window->bottoneAvanti()->isEnabled();
}

} // namespace vocario::endurance
