// What the program keeps instead of doing again: the pictures drawn by the
// build, the font a label was fitted with, the button drawings that a new
// window colour must not throw away, and the fonts and pictures loaded ahead.

#include "testenvironment.h"

#include "colours/colori.h"
#include "colours/widgetcolours.h"
#include "designs/design_form1.h"
#include "designs/design_form2.h"
#include "designs/design_form3.h"
#include "designs/design_form4.h"
#include "designs/design_form5.h"
#include "designs/design_form6.h"
#include "designs/design_form7.h"
#include "designs/design_form8.h"
#include "designs/design_form9.h"
#include "designs/designs.h"
#include "geometry/pictures.h"
#include "layouts/designlabel.h"
#include "layouts/layoutbuilder.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

class DrawingCachesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureIsDrawnAtTheSizeAsked();
    void labelIsFittedAgainWhenTextFontOrSizeChange();
    void pushButtonsKeepTheirPaletteWhenTheWindowChangesColour();
    void preloadingBuildsNoWindow();
};

namespace {

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

QImage drawn(QWidget* widget) {
    return widget->grab().toImage();
}

DesignLabel* labelOf(QWidget* parent, const QString& text, QSize size, double points) {
    auto* label = new DesignLabel(parent);
    label->setWordWrap(true);
    label->resize(size);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    label->setFont(font);
    label->setText(text);
    return label;
}

} // namespace

void DrawingCachesTest::everyPictureIsDrawnAtTheSizeAsked() {
    for (Picture picture : {Picture::Faccina, Picture::IconaSi, Picture::IconaNo,
                            Picture::FrecciaAvanti, Picture::Bambino}) {
        const QImage stretched = picturePixmap(picture, QSize(65, 57), 1.0).toImage();
        QCOMPARE(stretched.size(), QSize(65, 57));
        // A picture that did not come through the build would be empty.
        QVERIFY2(opaquePixels(stretched) > 65 * 57 / 5, qPrintable(QString::number(int(picture))));
        const QIcon icon = pictureIcon(picture, 48);
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(48, 48)});
        QVERIFY(opaquePixels(icon.pixmap(48, 48).toImage()) > 48 * 48 / 5);
    }
    const QPixmap sharp = picturePixmap(Picture::Bambino, QSize(20, 20), 2.0);
    QCOMPARE(sharp.size(), QSize(40, 40));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QVERIFY(pictureIcon(Picture::None).isNull());
}

void DrawingCachesTest::labelIsFittedAgainWhenTextFontOrSizeChange() {
    TestEnvironment env;
    QWidget window;
    const QString longText = QStringLiteral("una parola molto lunga che non entra");
    const QSize room(120, 40);

    // Each label is painted once as it was, then changed; it must look like
    // a label that was made that way from the start.
    DesignLabel* text = labelOf(&window, QStringLiteral("sole"), room, 16);
    drawn(text);
    text->setText(longText);
    QCOMPARE(drawn(text), drawn(labelOf(&window, longText, room, 16)));

    DesignLabel* font = labelOf(&window, longText, room, 8);
    drawn(font);
    QFont larger = font->font();
    larger.setPointSizeF(16);
    font->setFont(larger);
    QCOMPARE(drawn(font), drawn(labelOf(&window, longText, room, 16)));

    DesignLabel* size = labelOf(&window, longText, QSize(400, 80), 16);
    drawn(size);
    size->resize(room);
    QCOMPARE(drawn(size), drawn(labelOf(&window, longText, room, 16)));

    // And the long text at 16 points does not look as it does at 8 points
    // in that room: the comparisons above could tell a stale fit.
    QVERIFY(drawn(labelOf(&window, longText, room, 8)) != drawn(size));
}

void DrawingCachesTest::pushButtonsKeepTheirPaletteWhenTheWindowChangesColour() {
    TestEnvironment env;
    QWidget window;
    setBackColour(&window, Colori::GialloPallido);
    auto* button = new QPushButton(QStringLiteral("avanti"), &window);
    setBackColour(button, Colori::Rosso);
    auto* option = new QRadioButton(QStringLiteral("prosegue"), &window);
    option->setAutoFillBackground(true);
    setBackColour(option, Colori::GialloPallido);
    const qint64 key = button->palette().cacheKey();

    setBackColour(&window, Colori::Nero);
    QCOMPARE(button->palette().cacheKey(), key);
    QCOMPARE(backColour(button), quint32(Colori::Rosso));
    QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::red));
    QCOMPARE(button->palette().color(QPalette::Window),
             QApplication::palette(button).color(QPalette::Window));
    // An option button shows the window's colour around it, whatever it is.
    QCOMPARE(option->palette().color(QPalette::Window), QColor(Qt::black));

    // Its own colours still reach a button.
    setForeColour(button, Colori::Bianco);
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
    setBackColour(button, Colori::FacciaBottone);
    QCOMPARE(button->palette().color(QPalette::Button),
             QApplication::palette(button).color(QPalette::Button));
}

void DrawingCachesTest::preloadingBuildsNoWindow() {
    TestEnvironment env;
    const qsizetype widgets = QApplication::allWidgets().size();
    for (const WindowDesign& (*design)() :
         {designFormAvvio, designFormMenu, designForm1, designForm2, designForm3, designForm4,
          designForm5, designForm6, designForm7, designForm8, designForm9})
        LayoutBuilder::preload(design());
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QVERIFY(TestEnvironment::visibleWindows().isEmpty());
}

QTEST_MAIN(DrawingCachesTest)
#include "tst_drawingcaches.moc"
