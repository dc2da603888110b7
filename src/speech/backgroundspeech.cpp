#include "backgroundspeech.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <optional>
#include <vector>

namespace vocario {
namespace {

// How long the end of the program waits for the engine to stop.
constexpr std::chrono::milliseconds kCommiato{200};

} // namespace

// What the windows' thread and the engine's thread share; the engine itself
// is touched on its own thread only.
struct BackgroundSpeech::Shared {
    QThread* thread = nullptr;
    QObject* context = nullptr; ///< lives on `thread`: work is posted to it
    std::unique_ptr<SpeechOutput> engine;

    mutable QMutex mutex;
    Readiness readiness = Readiness::Finding;
    QString reason;
    std::optional<QString> waiting;
    bool posted = false;
    QElapsedTimer started;
    std::chrono::milliseconds patience{0};

    bool outOfPatience() const {
        return readiness == Readiness::Finding &&
               std::chrono::milliseconds(started.elapsed()) > patience;
    }

    void sayWaiting() {
        std::optional<QString> text;
        {
            QMutexLocker lock(&mutex);
            text.swap(waiting);
            posted = false;
        }
        if (text && engine)
            engine->say(*text);
    }
};

BackgroundSpeech::BackgroundSpeech(Factory factory, std::chrono::milliseconds patience)
    : shared_(std::make_shared<Shared>()) {
    Shared& s = *shared_;
    s.patience = patience;
    s.started.start();
    s.thread = new QThread;
    s.thread->setObjectName(QStringLiteral("vocario-voce"));
    s.context = new QObject;
    s.context->moveToThread(s.thread);
    s.thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        s.context,
        [shared = shared_, factory = std::move(factory)] {
            QString reason;
            std::unique_ptr<SpeechOutput> engine = factory(&reason);
            QMutexLocker lock(&shared->mutex);
            shared->readiness = engine ? Readiness::Ready : Readiness::Unavailable;
            shared->reason = engine ? QString() : reason;
            shared->engine = std::move(engine);
        },
        Qt::QueuedConnection);
}

BackgroundSpeech::~BackgroundSpeech() {
    Shared& s = *shared_;
    QMetaObject::invokeMethod(
        s.context,
        [shared = shared_] {
            shared->engine.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (s.thread->wait(kCommiato)) {
        delete s.context;
        delete s.thread;
        return;
    }
    // Stuck in the engine (speech-dispatcher not answering): the thread ends
    // with the process. Kept where it stays reachable and is never destroyed
    // while it runs.
    static auto* stillReading = new std::vector<std::shared_ptr<Shared>>;
    stillReading->push_back(shared_);
}

void BackgroundSpeech::say(const QString& text) {
    Shared& s = *shared_;
    QMutexLocker lock(&s.mutex);
    s.waiting = text;
    if (s.posted)
        return;
    s.posted = true;
    QMetaObject::invokeMethod(
        s.context, [shared = shared_] { shared->sayWaiting(); }, Qt::QueuedConnection);
}

SpeechOutput::Readiness BackgroundSpeech::readiness() const {
    const Shared& s = *shared_;
    QMutexLocker lock(&s.mutex);
    if (s.outOfPatience())
        return Readiness::Unavailable;
    return s.readiness;
}

QString BackgroundSpeech::unavailableReason() const {
    const Shared& s = *shared_;
    QMutexLocker lock(&s.mutex);
    if (s.outOfPatience())
        return QStringLiteral("La sintesi vocale non risponde.");
    return s.reason;
}

} // namespace vocario
