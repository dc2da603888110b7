#pragma once

#include "recordingsound.h"
#include "recordingspeech.h"
#include "scriptedrandom.h"

#include "core/appstate.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class QWidget;

namespace vocario::testing {

/// A fresh program state for one test, handed to every window opened from
/// the menu: counts and tables cleared, the default options, a temporary
/// program folder with a `testi` folder, the user's settings kept in that
/// folder too, a recording sound output and voice, a recorded (not real)
/// end of the program, every window of an earlier test gone, and the real
/// exercise windows of the catalogue behind the menu.
class TestEnvironment {
  public:
    TestEnvironment();
    ~TestEnvironment();

    /// Writes a word list into the temporary `testi` folder (UTF-8).
    void writeList(const QString& fileName, const QString& content);
    void writeListBytes(const QString& fileName, const QByteArray& content);
    /// Copies the shipped word lists into the temporary folder.
    void useShippedLists();
    QString folder() const { return dir_.path(); }
    /// Replaces the random source by a scripted sequence (see scriptedrandom.h).
    ScriptedRandomSource* scriptRandom(QList<float> values = {}) {
        return testing::scriptRandom(state, std::move(values));
    }

    /// The program's state under test.
    AppState state;
    /// The teacher's own folder of lists, inside the temporary folder; it
    /// does not exist until a list is written into it.
    QString teacherFolder() const;
    /// Writes a list into the teacher's folder (UTF-8), making the folder.
    void writeTeacherList(const QString& fileName, const QString& content);

    RecordingSoundOutput* sound = nullptr;
    RecordingSpeechOutput* speech = nullptr;
    /// How many times the program asked to end.
    int endRequests = 0;

    /// The program's visible top-level windows (message boxes excluded).
    static QList<QWidget*> visibleWindows();
    /// Deletes every top-level window and runs pending deletions.
    static void closeAllWindows();

  private:
    QTemporaryDir dir_;
};

} // namespace vocario::testing
