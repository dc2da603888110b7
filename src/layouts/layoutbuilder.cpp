#include "layoutbuilder.h"

#include "colours/bgrcolour.h"
#include "colours/widgetcolours.h"
#include "controlnames.h"
#include "designlabel.h"
#include "designoptionbutton.h"
#include "designtextbox.h"
#include "geometry/designscale.h"
#include "geometry/twipsgeometry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace vocario {
namespace {

template <typename T> T valueAt(const std::vector<T>& values, int index) {
    return values.size() == 1 ? values.front() : values.at(size_t(index));
}

QFont designWindowFont(const DesignScale& scale) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(scale.points(8.25));
    font.setBold(true);
    return font;
}

int iconSide(const QRect& geometry, const DesignScale& scale) {
    return qMin(geometry.height() - scale.pixels(12), scale.pixels(48));
}

QRect geometryOf(const ControlDesign& row, int index, const DesignScale& scale) {
    return QRect(scale.x(valueAt(row.lefts, index)), scale.y(valueAt(row.tops, index)),
                 scale.length(valueAt(row.widths, index)),
                 scale.length(valueAt(row.heights, index)));
}

QFont fontOf(const FontSpec& spec, const QFont& windowFont, const DesignScale& scale) {
    if (!spec.face)
        return windowFont;
    QFont font(QString::fromLatin1(spec.face));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(scale.points(spec.points));
    font.setBold(spec.bold);
    return font;
}

QWidget* createLabel(const ControlDesign& row, const QString& text, QWidget* client) {
    auto* label = new DesignLabel(client);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment((row.look & Centred) ? Qt::AlignHCenter | Qt::AlignTop
                                             : Qt::AlignLeft | Qt::AlignTop);
    if (row.look & Border) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    label->setDraggable(row.look & Draggable);
    const bool opaque = !(row.look & Transparent);
    label->setAutoFillBackground(opaque);
    if (opaque && row.backColour != kNoColour)
        setBackColour(label, quint32(row.backColour));
    return label;
}

QWidget* createButton(const ControlDesign& row, const QString& text, const QRect& geometry,
                      const DesignScale& scale, QWidget* client) {
    auto* button = new QPushButton(text, client);
    // The keyboard reaches it with Tab; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    if (row.picture != Picture::None) {
        const int side = iconSide(geometry, scale);
        button->setIcon(pictureIcon(row.picture, side));
        button->setIconSize(QSize(side, side));
    }
    setBackColour(button,
                  row.backColour == kNoColour ? kSystemButtonFace : quint32(row.backColour));
    return button;
}

QWidget* createPicture(const ControlDesign& row, const QRect& geometry, QWidget* client) {
    auto* picture = new QLabel(client);
    picture->setScaledContents(row.look & Stretched);
    picture->setPixmap(picturePixmap(row.picture, geometry.size(), client->devicePixelRatioF()));
    return picture;
}

} // namespace

QWidget* LayoutBuilder::createControl(const ControlDesign& row, int index, QWidget* client) {
    const DesignScale scale = designScaleOf(client);
    const QString text = QString::fromUtf8(valueAt(row.texts, index));
    const QRect geometry = geometryOf(row, index, scale);
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
        widget = createLabel(row, text, client);
        break;
    case ControlKind::Button:
        widget = createButton(row, text, geometry, scale, client);
        break;
    case ControlKind::OptionButton: {
        auto* option = new DesignOptionButton(text, client);
        option->setFocusPolicy(Qt::TabFocus);
        option->setAutoFillBackground(true);
        option->setChecked(row.look & Selected);
        widget = option;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new DesignTextBox(client);
        box->setReadOnlyForPupil(row.look & Disabled);
        box->setContent(text);
        widget = box;
        break;
    }
    case ControlKind::Picture:
        widget = createPicture(row, geometry, client);
        break;
    }
    const QString name = QString::fromLatin1(row.name);
    widget->setObjectName(row.count > 0 ? memberName(name, index) : name);
    widget->setGeometry(geometry);
    setLeftTwips(widget, valueAt(row.lefts, index));
    setTopTwips(widget, valueAt(row.tops, index));
    widget->setFont(fontOf(row.font, client->font(), scale));
    // A disabled text box stays enabled so that its text keeps full contrast.
    if ((row.look & Disabled) && row.kind != ControlKind::TextBox)
        widget->setEnabled(false);
    // The design's captions hold blanks for their look: a screen reader
    // says them without.
    if ((row.kind == ControlKind::Button || row.kind == ControlKind::OptionButton) &&
        text.simplified() != text)
        widget->setAccessibleName(text.simplified());
    return widget;
}

QWidget* LayoutBuilder::addControl(const ControlDesign& row, QWidget* client) {
    return createControl(row, 0, client);
}

QWidget* LayoutBuilder::build(const WindowDesign& design, QMainWindow* window,
                              const DesignScale& scale) {
    window->setObjectName(QString::fromLatin1(design.name));
    window->setWindowTitle(QString::fromUtf8(design.title));
    if (design.icon != Picture::None)
        window->setWindowIcon(pictureIcon(design.icon));
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    setDesignScale(client, scale);
    client->setFixedSize(scale.client.isEmpty() ? QSize(scale.length(design.clientWidth),
                                                        scale.length(design.clientHeight))
                                                : scale.client);
    client->setFont(designWindowFont(scale));
    client->setAutoFillBackground(true);
    setBackColour(client, design.backColour);
    window->setCentralWidget(client);
    // Later rows of a table lie under earlier ones, as in the designer.
    for (auto row = design.controls.rbegin(); row != design.controls.rend(); ++row) {
        const int members = row->count > 0 ? row->count : 1;
        for (int i = 0; i < members; ++i)
            createControl(*row, i, client);
    }
    window->move(twipsToPixels(design.clientLeft), twipsToPixels(design.clientTop));
    return client;
}

void LayoutBuilder::preload(const WindowDesign& design) {
    // Drawing a text loads its font, shapes the text and keeps the letters
    // drawn for the font; a picture is drawn once and kept.
    static const QString kLetters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyz \u00e0\u00e8\u00e9\u00ec\u00f2\u00f9 "
                       "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 '/-,.?");
    QImage scratch(16, 16, QImage::Format_RGB32);
    QPainter painter(&scratch);
    const auto draw = [&](const QFont& font) {
        painter.setFont(font);
        painter.drawText(QPointF(0, 12), kLetters);
    };
    const DesignScale scale;
    const QFont windowFont = designWindowFont(scale);
    draw(windowFont);
    if (design.icon != Picture::None)
        pictureIcon(design.icon);
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    for (const ControlDesign& row : design.controls) {
        draw(fontOf(row.font, windowFont, scale));
        if (row.picture == Picture::None)
            continue;
        for (int i = 0; i < qMax(row.count, 1); ++i) {
            const QRect geometry = geometryOf(row, i, scale);
            if (row.kind == ControlKind::Picture)
                picturePixmap(row.picture, geometry.size(), ratio);
            else if (row.kind == ControlKind::Button)
                pictureIcon(row.picture, iconSide(geometry, scale));
        }
    }
    // The menu bar of the exercise windows writes in the usual font.
    draw(QApplication::font("QMenuBar"));
}

} // namespace vocario
