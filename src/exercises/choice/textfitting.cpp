#include "textfitting.h"

#include "geometry/designscale.h"
#include "layouts/designtextbox.h"
#include "layouts/displaytext.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPushButton>
#include <QTextDocument>
#include <QVariant>

namespace vocario::TextFitting {
namespace {

constexpr char kDesignPoints[] = "vocarioDesignPoints";
constexpr double kStep = 0.75;
// Room the button's frame and bevel take from its caption.
constexpr int kButtonPadding = 8;

/// The control's font at its design size, remembered at the first call.
QFont designFont(QWidget* widget) {
    QFont font = widget->font();
    const QVariant points = widget->property(kDesignPoints);
    if (points.isValid())
        font.setPointSizeF(points.toDouble());
    else
        widget->setProperty(kDesignPoints, font.pointSizeF());
    return font;
}

bool fitsInBox(const DesignTextBox* box, const QString& text, const QFont& font) {
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDefaultTextOption(box->document()->defaultTextOption());
    document.setDocumentMargin(box->document()->documentMargin());
    document.setPlainText(text);
    const int frame = 2 * box->frameWidth();
    document.setTextWidth(box->width() - frame);
    return document.size().height() <= box->height() - frame;
}

/// Breaks `text` at blanks into lines no wider than `width`; a single word
/// wider than that keeps a line of its own.
QStringList wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

void mostraNelRiquadro(DesignTextBox* box, const QString& text) {
    QFont font = designFont(box);
    const QString shown = shownText(box, text);
    const double smallest = designScaleOf(box).points(kSmallestPoints);
    while (font.pointSizeF() - kStep >= smallest && !fitsInBox(box, shown, font))
        font.setPointSizeF(font.pointSizeF() - kStep);
    box->setFont(font);
    box->setContent(text);
}

void mostraSulBottone(QPushButton* button, const QString& text) {
    QFont font = designFont(button);
    const QString shown = shownText(button, text);
    const double smallest = designScaleOf(button).points(kSmallestPoints);
    const int width = button->width() - 2 * kButtonPadding;
    const int height = button->height() - kButtonPadding;
    QStringList lines;
    for (;;) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(shown) <= width) {
            lines = {shown};
            break;
        }
        lines = wrapped(shown, metrics, width);
        const bool fits = lines.size() * metrics.lineSpacing() <= height &&
                          std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
                              return metrics.horizontalAdvance(line) <= width;
                          });
        if (fits || font.pointSizeF() - kStep < smallest)
            break;
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    button->setFont(font);
    button->setText(lines.join(u'\n'));
    // Heard as the list has it, not in the capitals or lines it is shown in.
    button->setAccessibleName(text.simplified());
}

} // namespace vocario::TextFitting
