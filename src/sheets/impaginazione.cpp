#include "impaginazione.h"

#include "core/programma.h"
#include "disegnovoci.h"
#include "esercizischeda.h"
#include "tela.h"
#include "vocischeda.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vocario {
namespace {

constexpr double kPiede = 8; // the foot's band at the bottom of the page
constexpr double kDopoIntestazione = 7;
constexpr double kTraBlocchi = 6;
constexpr double kDopoIstruzione = 3;

class Impaginatore {
  public:
    // The key's pages go on from the sheets' last: `pagineFatte` before.
    Impaginatore(Tela& tela, QPagedPaintDevice& device, int pagineFatte = 0)
        : tela_(tela), device_(device), larghezza_(device.width() / tela.mm()),
          fondo_(device.height() / tela.mm() - kPiede), pagina_(pagineFatte),
          primaPagina_(pagineFatte) {}

    int pagine() const { return pagina_; }

    // Room for items on a page of its own, below the header.
    double spazioPagina() {
        const bool disegna = tela_.disegna;
        tela_.disegna = false;
        const double spazio = fondo_ - intestazione();
        tela_.disegna = disegna;
        return spazio;
    }

    double istruzione(const BloccoScheda& blocco, double y) {
        return tela_.scrivi(QString::fromUtf8(blocco.esercizio->istruzione), tela_.istruzione(), 0,
                            y, larghezza_) +
               kDopoIstruzione;
    }

    // Item `k` of the block, numbered `numero` on the sheet.
    double voce(const BloccoScheda& blocco, int k, int numero, double y) {
        return disegnaVoce(tela_, *blocco.esercizio, blocco.voci[k], numero, 0, y, larghezza_);
    }

    // Keeps of a block that fills a page the items that fit on one.
    void riduci(BloccoScheda& blocco) {
        tela_.disegna = false;
        double resta = spazioPagina() - istruzione(blocco, 0);
        qsizetype stanno = 0;
        while (stanno < blocco.voci.size()) {
            resta -= voce(blocco, int(stanno), 1, 0);
            if (resta < 0)
                break;
            ++stanno;
        }
        blocco.voci.resize(std::max<qsizetype>(stanno, 1));
        tela_.disegna = true;
    }

    // The items are numbered across the sheet, not from 1 in each block,
    // so that "the 12" names one item of the sheet and of its key.
    void disegna(const Scheda& scheda) {
        nuovaPagina();
        int numero = 1;
        for (const BloccoScheda& blocco : scheda.blocchi) {
            if (blocco.voci.isEmpty())
                continue;
            if (blocco.unaPagina && !vuota_)
                nuovaPagina();
            else if (!vuota_)
                y_ += kTraBlocchi;
            // The instruction stays with the first item.
            tela_.disegna = false;
            const double prima = istruzione(blocco, y_) + voce(blocco, 0, numero, y_);
            tela_.disegna = true;
            if (!vuota_ && y_ + prima > fondo_)
                nuovaPagina();
            y_ += istruzione(blocco, y_);
            for (int k = 0; k < blocco.voci.size(); ++k) {
                tela_.disegna = false;
                const double alta = voce(blocco, k, numero, y_);
                tela_.disegna = true;
                if (y_ + alta > fondo_ && k > 0)
                    nuovaPagina();
                y_ += voce(blocco, k, numero, y_);
                numero += numeriDi(*blocco.esercizio, blocco.voci[k]);
                vuota_ = false;
            }
        }
    }

  private:
    void nuovaPagina() {
        if (pagina_ > primaPagina_)
            device_.newPage();
        ++pagina_;
        piede();
        y_ = intestazione();
        vuota_ = true;
    }

    // The sheets: lines for the pupil's name, class and date. The key: its title.
    double intestazione() {
        const Tela& t = tela_;
        if (t.soluzioni) {
            QFont titolo = t.istruzione();
            titolo.setPointSizeF(16);
            return t.scrivi(QStringLiteral("Soluzioni"), titolo, 0, 0, larghezza_) +
                   kDopoIntestazione;
        }
        const double alta = t.riga(t.testo());
        const double base = alta + 0.5;
        double x = 0;
        const auto campo = [&](const QString& nome, double lunga) {
            const double w = t.larghezza(nome, t.testo()) + 2;
            t.scrivi(nome, t.testo(), x, 0, w);
            t.linea(x + w, base, x + w + lunga, base, 0.25);
            x += w + lunga + 6;
        };
        const double nome = t.larghezza(QStringLiteral("Nome"), t.testo()) + 2;
        const double classe = t.larghezza(QStringLiteral("Classe"), t.testo()) + 2;
        const double data = t.larghezza(QStringLiteral("Data"), t.testo()) + 2;
        const double lineaClasse = 22;
        const double lineaData = 34;
        campo(QStringLiteral("Nome"),
              larghezza_ - nome - classe - lineaClasse - data - lineaData - 12);
        campo(QStringLiteral("Classe"), lineaClasse);
        campo(QStringLiteral("Data"), lineaData);
        return base + kDopoIntestazione + 2;
    }

    void piede() {
        const Tela& t = tela_;
        const double y = fondo_ + kPiede - t.riga(t.piccolo());
        t.scrivi(questoProgramma().nome, t.piccolo(), 0, y, larghezza_ / 2);
        t.scrivi(QString::number(pagina_), t.piccolo(), larghezza_ / 2, y, larghezza_ / 2,
                 Qt::AlignRight);
    }

    Tela& tela_;
    QPagedPaintDevice& device_;
    double larghezza_;
    double fondo_;
    double y_ = 0;
    int pagina_ = 0;
    int primaPagina_ = 0;
    bool vuota_ = true;
};

} // namespace

void preparaPagine(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter));
}

bool disegnaScheda(Scheda& scheda, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Tela tela(painter, scheda.altaLeggibilita, scheda.maiuscolo);
    Impaginatore schede(tela, device);
    for (BloccoScheda& blocco : scheda.blocchi)
        if (blocco.unaPagina && !blocco.voci.isEmpty())
            schede.riduci(blocco);
    schede.disegna(scheda);
    device.newPage();
    tela.soluzioni = true;
    Impaginatore chiave(tela, device, schede.pagine());
    chiave.disegna(scheda);
    return painter.end();
}

} // namespace vocario
