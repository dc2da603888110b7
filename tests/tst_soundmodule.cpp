// The sound output lives in a module loaded after the start screen: a
// program without it stays silent, and the module beside the program works.

#include "testenvironment.h"

#include "core/appstate.h"
#include "core/soundoutput.h"
#include "sound/soundmodule.h"
#include "sound/suoni.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtTest>
#include <memory>

using namespace vocario;
using namespace vocario::testing;

class SoundModuleTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutTheModuleTheProgramIsSilent();
    void anInstalledOutputIsKept();
    void theModuleBesideTheProgramMakesAnOutput();
};

void SoundModuleTest::withoutTheModuleTheProgramIsSilent() {
    TestEnvironment env;
    std::unique_ptr<SoundOutput> output =
        SoundModule::load(env.folder() + QStringLiteral("/nowhere"), Suoni::tuttiIFile(env.state));
    QVERIFY(output);
    output->play(Suoni::tuttiIFile(env.state).constFirst());

    // Tests sit in a folder without the module: the real output is silent
    // there, and a right answer's sound must not fail for lack of it.
    env.state.suono.reset();
    Suoni::SuonoEsatto(env.state);
    QVERIFY(env.state.suono);
}

void SoundModuleTest::anInstalledOutputIsKept() {
    TestEnvironment env;
    SoundOutput* installed = env.state.suono.get();
    Suoni::preparaUscita(env.state);
    QCOMPARE(env.state.suono.get(), installed);
    Suoni::SuonoErrato(env.state);
    QCOMPARE(env.sound->playedNames(), QStringList{QStringLiteral("no.wav")});
}

void SoundModuleTest::theModuleBesideTheProgramMakesAnOutput() {
    TestEnvironment env;
    // The tests are built in tests/ of the build folder, the program and its
    // module in the build folder itself.
    const QString programFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    QLibrary module(programFolder + u'/' + QLatin1String(SoundModule::kFileName));
    auto create =
        reinterpret_cast<SoundModule::EntryPoint>(module.resolve(SoundModule::kEntryPoint));
    QVERIFY2(create, qPrintable(module.errorString()));
    std::unique_ptr<SoundOutput> output(create(Suoni::tuttiIFile(env.state)));
    QVERIFY(output);
    // No audio device here: it plays nothing, without failing.
    output->play(Suoni::tuttiIFile(env.state).constLast());
    QVERIFY(SoundModule::load(programFolder, Suoni::tuttiIFile(env.state)));
}

QTEST_MAIN(SoundModuleTest)
#include "tst_soundmodule.moc"
