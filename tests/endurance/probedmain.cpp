// The program as it ships (the same start-up as src/main.cpp, its command
// line and its class register included), with the probe that lets the
// play-through test and the lab's benchmark read where things are on screen
// and what recording each answer cost the window.

#include "app/navigazione.h"
#include "app/rigadicomando.h"
#include "core/appstate.h"
#include "exercises/catalogo.h"
#include "probeserver.h"
#include "registerview/registroprogramma.h"
#include "teacher/verificadariga.h"

#include <QApplication>
#include <QJsonArray>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <sys/resource.h>

namespace {

using namespace vocario;

// The calling thread's own processor time, in microseconds.
double processoreUs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// The window thread's context switches so far: waits it chose (a lock, a
// system call that sleeps) and times the system gave its core to another.
std::pair<long, long> cambi() {
    rusage uso{};
    getrusage(RUSAGE_THREAD, &uso);
    return {uso.ru_nvcsw, uso.ru_nivcsw};
}

// Each call the window makes into the pupil's register, timed by the clock
// on the wall and by the window thread's own processor time; a call that
// took over a millisecond by the clock is told apart by why the thread was
// off its core meanwhile.
struct Costi {
    std::vector<double> orologio, processore;
    int lunghe = 0, lungheInAttesa = 0, lungheSpodestate = 0;

    template <typename Chiamata> void misura(Chiamata&& chiamata) {
        const auto [attese, spodestato] = cambi();
        const double prima = processoreUs();
        const auto inizio = std::chrono::steady_clock::now();
        chiamata();
        const auto fine = std::chrono::steady_clock::now();
        processore.push_back(processoreUs() - prima);
        orologio.push_back(std::chrono::duration<double, std::micro>(fine - inizio).count());
        if (orologio.back() > 1000) {
            const auto [attesePoi, spodestatoPoi] = cambi();
            ++lunghe;
            lungheInAttesa += attesePoi > attese;
            lungheSpodestate += spodestatoPoi > spodestato;
        }
    }

    static double massimo(const std::vector<double>& v) {
        return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    }
    QJsonObject json() const {
        std::vector<double> ordinati = orologio;
        std::sort(ordinati.begin(), ordinati.end());
        const auto quota = [&](double q) {
            return ordinati.empty() ? 0 : ordinati[size_t(q * double(ordinati.size() - 1))];
        };
        return {{"calls", qint64(orologio.size())},
                {"medianUs", quota(0.5)},
                {"p99Us", quota(0.99)},
                {"maxUs", massimo(orologio)},
                {"over1ms", lunghe},
                {"over1msWaiting", lungheInAttesa},
                {"over1msPreempted", lungheSpodestate},
                {"maxCpuUs", massimo(processore)}};
    }
};

class RegistrazioneMisurata final : public Registrazione {
  public:
    RegistrazioneMisurata(std::unique_ptr<Registrazione> dentro, Costi& costi)
        : dentro_(std::move(dentro)), costi_(costi) {}
    void esercizioAperto(const QString& esercizio) override {
        costi_.misura([&] { dentro_->esercizioAperto(esercizio); });
    }
    void esercizioLasciato() override {
        costi_.misura([&] { dentro_->esercizioLasciato(); });
    }
    void risposta(const RispostaData& risposta) override {
        costi_.misura([&] { dentro_->risposta(risposta); });
        ++risposte_;
    }
    QString chiGioca() const override { return dentro_->chiGioca(); }
    int risposte() const { return risposte_; }

  private:
    std::unique_ptr<Registrazione> dentro_;
    Costi& costi_;
    int risposte_ = 0;
};

// The shipped register, whose pupil's recording is wrapped in the timing
// above as soon as "Chi gioca?" (or --alunno) has put it into the state.
class RegistroMisurato final : public RegistroClasse {
  public:
    RegistroMisurato(QString alunno, QString server)
        : dentro_(std::move(alunno), std::move(server)) {}

    bool chiGioca(AppState& stato, QWidget* avvio) override {
        stato_ = &stato;
        return dentro_.chiGioca(stato, avvio);
    }
    void prepara(const AppState& stato) override { dentro_.prepara(stato); }
    void aggiungiAlleOpzioni(AppState& stato, QDialog* dialogo, QBoxLayout* riga) override {
        dentro_.aggiungiAlleOpzioni(stato, dialogo, riga);
    }
    void apriRegistro(AppState& stato, QWidget* sopra) override {
        dentro_.apriRegistro(stato, sopra);
    }
    QString avviso() const override { return dentro_.avviso(); }
    bool cambiaAlunno(AppState& stato, QWidget* menu) override {
        return dentro_.cambiaAlunno(stato, menu);
    }

    QJsonObject rapporto() {
        if (stato_ && stato_->registrazione &&
            !dynamic_cast<RegistrazioneMisurata*>(stato_->registrazione.get()))
            stato_->registrazione =
                std::make_unique<RegistrazioneMisurata>(std::move(stato_->registrazione), costi_);
        auto* misurata =
            stato_ ? dynamic_cast<RegistrazioneMisurata*>(stato_->registrazione.get()) : nullptr;
        QJsonObject r = costi_.json();
        r.insert("recording", misurata != nullptr);
        r.insert("answers", misurata ? misurata->risposte() : 0);
        return r;
    }

  private:
    RegistroProgramma dentro_;
    AppState* stato_ = nullptr;
    Costi costi_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const RigaDiComando::Richiesta richiesta = RigaDiComando::leggi(QCoreApplication::arguments());
    if (richiesta.esito)
        return *richiesta.esito;
    // The shipped program's name: its register and settings in the same folders.
    QCoreApplication::setApplicationName(QString::fromLatin1(kNomeApplicazione));
    vocario::endurance::ProbeServer probe;
    RegistroMisurato registro(richiesta.alunno, richiesta.registro);
    probe.setRegisterReport([&registro] { return registro.rapporto(); });
    return Navigazione::eseguiProgramma(catalogoEsercizi(), richiesta.scelte, &registro);
}
