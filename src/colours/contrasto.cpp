#include "contrasto.h"

#include <QAbstractButton>
#include <QWidget>
#include <cmath>

namespace vocario::Contrasto {
namespace {

// The grey of a locked caption where it is readable (7:1 on white, 4.9:1 on
// the light grey of the choice buttons).
const QColor kGrigioBloccato(0x4A, 0x4A, 0x4A);

double lineare(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double luminanza(const QColor& colour) {
    return 0.2126 * lineare(colour.red()) + 0.7152 * lineare(colour.green()) +
           0.0722 * lineare(colour.blue());
}

double rapporto(const QColor& a, const QColor& b) {
    const double la = luminanza(a);
    const double lb = luminanza(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor testoSu(const QColor& background) {
    return rapporto(Qt::black, background) >= kMinimo ? QColor(Qt::black) : QColor(Qt::white);
}

quint32 testoSuBgr(quint32 backgroundBgr) {
    const QColor background(int(backgroundBgr & 0xFF), int((backgroundBgr >> 8) & 0xFF),
                            int((backgroundBgr >> 16) & 0xFF));
    return testoSu(background) == QColor(Qt::black) ? 0x000000u : 0xFFFFFFu;
}

QColor testoBloccatoSu(const QColor& background) {
    return rapporto(kGrigioBloccato, background) >= kMinimo ? kGrigioBloccato : testoSu(background);
}

void leggibileDaBloccato(QWidget* control) {
    const bool button = qobject_cast<QAbstractButton*>(control) != nullptr;
    QPalette palette = control->palette();
    const QColor background =
        palette.color(QPalette::Active, button ? QPalette::Button : QPalette::Window);
    const QColor caption = testoBloccatoSu(background);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, caption);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, caption);
    palette.setColor(QPalette::Disabled, QPalette::Text, caption);
    control->setPalette(palette);
}

} // namespace vocario::Contrasto
