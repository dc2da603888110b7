#include "graficoprogressi.h"

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
    const auto ultime =
        settimane_.mid(std::max<qsizetype>(0, settimane_.size() - kSettimaneMostrate));
    // A few weeks are bars, not walls: the weeks start at the left.
    const int larghezza = std::min(area.width() / int(ultime.size()), 90);
    for (int i = 0; i < ultime.size(); ++i) {
        const auto& s = ultime[i];
        const double quota = s.risposte ? double(s.esatte) / s.risposte : 0.0;
        const int altezza = int(area.height() * quota);
        const QRect barra(area.left() + i * larghezza + larghezza / 6, area.bottom() - altezza,
                          larghezza * 2 / 3, altezza);
        p.fillRect(barra, QColor(0x2E, 0x8B, 0x57));
        p.drawText(QRect(barra.left() - 8, barra.top() - 16, barra.width() + 16, 14),
                   Qt::AlignCenter, QString::number(s.risposte));
        p.drawText(QRect(area.left() + i * larghezza, area.bottom() + 4, larghezza, 28),
                   Qt::AlignHCenter | Qt::AlignTop, s.lunedi.toString(QStringLiteral("dd/MM")));
    }
}

} // namespace vocario
