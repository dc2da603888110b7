#include "graficoprogressi.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vocario {
namespace {

// The last weeks only: a school term fits, older weeks are in the table.
constexpr int kSettimaneMostrate = 16;

} // namespace

GraficoProgressi::GraficoProgressi(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GraficoProgressi"));
    setMinimumSize(320, 180);
    setAccessibleName(QStringLiteral("Grafico delle risposte esatte per settimana"));
    setAccessibleDescription(QStringLiteral("Gli stessi numeri sono nella tabella accanto."));
}

void GraficoProgressi::mostra(QList<Interrogazioni::Settimana> settimane) {
    settimane_ = std::move(settimane);
    update();
}

QList<GraficoProgressi::Posto>
GraficoProgressi::posti(const QList<Interrogazioni::Settimana>& settimane) {
    QList<Posto> elenco;
    if (settimane.isEmpty())
        return elenco;
    // The weeks up to the last one played, each at its own date: a week
    // without answers is a gap, not the next bar.
    const QDate ultima = settimane.last().lunedi;
    const QDate prima =
        std::max(settimane.first().lunedi, ultima.addDays(-7 * (kSettimaneMostrate - 1)));
    const int quante = int(prima.daysTo(ultima) / 7) + 1;
    for (const auto& s : settimane)
        if (s.lunedi >= prima)
            elenco.append(
                {.settimana = s, .indice = int(prima.daysTo(s.lunedi) / 7), .di = quante});
    return elenco;
}

void GraficoProgressi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QRect area = rect().adjusted(40, 24, -12, -36);
    p.setPen(palette().text().color());
    if (settimane_.isEmpty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Nessuna risposta ancora."));
        return;
    }
    for (int percento : {0, 50, 100}) {
        const int y = area.bottom() - area.height() * percento / 100;
        p.setPen(QPen(palette().mid().color(), 1, Qt::DotLine));
        p.drawLine(area.left(), y, area.right(), y);
        p.setPen(palette().text().color());
        p.drawText(QRect(0, y - 8, 36, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(percento));
    }
    const QList<Posto> barre = posti(settimane_);
    // A few weeks are bars, not walls: the weeks start at the left.
    const int larghezza = std::min(area.width() / barre.first().di, 90);
    // A tick for every week, so that the gaps read as weeks.
    p.setPen(palette().mid().color());
    for (int i = 0; i <= barre.first().di; ++i)
        p.drawLine(area.left() + i * larghezza, area.bottom(), area.left() + i * larghezza,
                   area.bottom() + 3);
    const QFontMetrics metrica(font());
    int liberoDa = area.left() - 100; // where a date may start without covering the last
    for (const Posto& b : barre) {
        const auto& s = b.settimana;
        const int x = area.left() + b.indice * larghezza;
        const double quota = s.risposte ? double(s.esatte) / s.risposte : 0.0;
        const int altezza = int(area.height() * quota);
        const QRect barra(x + larghezza / 6, area.bottom() - altezza,
                          std::max(2, larghezza * 2 / 3), altezza);
        p.fillRect(barra, QColor(0x2E, 0x8B, 0x57));
        p.setPen(palette().text().color());
        p.drawText(QRect(barra.left() - 8, barra.top() - 16, barra.width() + 16, 14),
                   Qt::AlignCenter, QString::number(s.risposte));
        // The week's Monday with its year; skipped where it would cover the one before.
        const QString data = s.lunedi.toString(QStringLiteral("dd/MM/yy"));
        const int w = metrica.horizontalAdvance(data) + 6;
        const int da = std::max(x + larghezza / 2 - w / 2, area.left() - 30);
        if (da < liberoDa)
            continue;
        p.drawText(QRect(da, area.bottom() + 6, w, 28), Qt::AlignHCenter | Qt::AlignTop, data);
        liberoDa = da + w;
    }
}

} // namespace vocario
