// Every window at the three sizes of "Opzioni" on the screen the test runs
// with (CTest runs it on a classroom board, a netbook and a screen at twice
// the scale): everything scaled together, places still read in twips of
// the design, every window whole on the screen.

#include "messageboxanswerer.h"
#include "testenvironment.h"

#include "app/formavvio.h"
#include "app/formmenu.h"
#include "app/navigazione.h"
#include "designs/designs.h"
#include "exercises/catalogo.h"
#include "frame/messaggi.h"
#include "geometry/designscale.h"
#include "geometry/pictures.h"
#include "geometry/twipsgeometry.h"
#include "layouts/aspettoparole.h"
#include "layouts/designlabel.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QtTest>

using namespace vocario;
using namespace vocario::testing;

namespace {

// 0 the start screen, 1 the menu, n + 1 exercise n.
constexpr int kWindows = 11;

const WindowDesign& designOf(int which) {
    if (which == 0)
        return designFormAvvio();
    if (which == 1)
        return designFormMenu();
    return catalogoEsercizi()[size_t(which - 2)].design();
}

QMainWindow* open(int which, TestEnvironment& env) {
    if (which == 0) {
        auto* start = new FormAvvio(env.state);
        start->show();
        return start;
    }
    if (which == 1)
        return Navigazione::mostraMenu(nullptr);
    if (!Navigazione::apriEsercizio(which - 1, nullptr))
        return nullptr;
    return qobject_cast<QMainWindow*>(TestEnvironment::visibleWindows().value(0));
}

template <typename T> T valueAt(const std::vector<T>& values, int index) {
    return values.size() == 1 ? values.front() : values.at(size_t(index));
}

// Words dealt at random places; fonts fitted to their texts.
bool placedByTheExercise(const QString& name) {
    return name.startsWith(u"Label3") || name.startsWith(u"Label4") || name.startsWith(u"Bottone(");
}

/// How far apart two pictures are: the mean difference of their pixels.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowIsScaledWholeAndOnTheScreen_data();
    void everyWindowIsScaledWholeAndOnTheScreen();
    void picturesLargerThanTheBuiltOnesAreDrawnFromTheirDrawings();
};

void WindowSizesTest::everyWindowIsScaledWholeAndOnTheScreen_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("size");
    for (int which = 0; which < kWindows; ++which)
        for (Dimensione size : {Dimensione::Normale, Dimensione::Grande, Dimensione::SchermoIntero})
            QTest::addRow("%s %s", designOf(which).name, qPrintable(nomeDimensione(size)))
                << which << int(size);
}

void WindowSizesTest::everyWindowIsScaledWholeAndOnTheScreen() {
    QFETCH(int, which);
    QFETCH(int, size);
    TestEnvironment env;
    env.useShippedLists();
    env.state.opzioni.dimensione = Dimensione(size);
    QMainWindow* window = open(which, env);
    QVERIFY(window);
    const WindowDesign& design = designOf(which);
    const DesignScale scale = designScaleOf(window->centralWidget());
    const double f = scale.factor;
    const QScreen* screen = window->screen();
    const bool full = Dimensione(size) == Dimensione::SchermoIntero;
    const QRect room = full ? screen->geometry() : screen->availableGeometry();
    const QSize designed(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    const int menu = window->menuWidget() ? window->menuWidget()->height() : 0;
    qInfo("%s on %dx%d: factor %.3f", design.name, room.width(), room.height(), f);

    // Whole on the screen with its frame (a full screen has none), and as
    // large as the size asks.
    const QRect outer = full ? window->geometry() : window->frameGeometry();
    QVERIFY2(room.contains(outer),
             qPrintable(QStringLiteral("%1 lies outside the screen").arg(design.name)));
    QCOMPARE(window->centralWidget()->height() + menu, window->height());
    const bool fillsWidth = outer.width() >= room.width() - 2;
    const bool fillsHeight = outer.height() >= room.height() - 2;
    switch (Dimensione(size)) {
    case Dimensione::Normale:
        if (designed.width() <= room.width() - (outer.width() - window->width()) &&
            designed.height() + menu <= room.height() - (outer.height() - window->height()))
            QCOMPARE(f, 1.0);
        else
            QVERIFY(f < 1.0 && (fillsWidth || fillsHeight));
        break;
    case Dimensione::Grande:
        QVERIFY2(fillsWidth || fillsHeight, "a larger enlargement would still fit");
        break;
    case Dimensione::SchermoIntero:
        QCOMPARE(window->geometry(), screen->geometry());
        QVERIFY(window->isFullScreen());
        QVERIFY(fillsWidth && fillsHeight);
        // The design in the middle, the bands around it in the window colour.
        QVERIFY(qAbs(2 * scale.origin.x() + qRound(designed.width() * f) -
                     window->centralWidget()->width()) <= 2);
        QVERIFY(qAbs(2 * scale.origin.y() + qRound(designed.height() * f) -
                     window->centralWidget()->height()) <= 2);
        QVERIFY(window->centralWidget()->autoFillBackground());
        break;
    }

    // Every control at its scaled place, its place still read in twips.
    for (const ControlDesign& row : design.controls) {
        for (int i = 0; i < qMax(row.count, 1); ++i) {
            const QString name = row.count > 0 ? QStringLiteral("%1(%2)").arg(row.name).arg(i)
                                               : QString::fromLatin1(row.name);
            const QWidget* control = window->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QCOMPARE(control->size(), QSize(scale.length(valueAt(row.widths, i)),
                                            scale.length(valueAt(row.heights, i))));
            QCOMPARE(control->pos(),
                     QPoint(scale.x(leftTwips(control)), scale.y(topTwips(control))));
            if (!placedByTheExercise(name)) {
                QCOMPARE(leftTwips(control), valueAt(row.lefts, i));
                QCOMPARE(topTwips(control), valueAt(row.tops, i));
            }
            if (row.font.face && !AspettoParole::mostraParole(control))
                QCOMPARE(control->font().pointSizeF(), row.font.points * f);
            if (row.kind == ControlKind::Picture)
                QCOMPARE(qobject_cast<const QLabel*>(control)->pixmap().deviceIndependentSize(),
                         QSizeF(control->size()));
        }
    }
    // The menu bar's words grow with the window.
    if (auto* bar = window->menuWidget()) {
        const double usual = QApplication::font("QMenuBar").pointSizeF();
        QCOMPARE(bar->font().pointSizeF(), f == 1.0 ? usual : usual * f);
    }
    // So do the words of a message box over it.
    MessageBoxAnswerer answerer;
    answerer.answerNext(QStringLiteral("OK"));
    Messaggi::informa(window, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(answerer.pointSizes().value(0), QApplication::font("QMessageBox").pointSizeF() * f);
}

void WindowSizesTest::picturesLargerThanTheBuiltOnesAreDrawnFromTheirDrawings() {
    // The build draws the pictures 128 pixels wide: at a classroom board's
    // size a picture is drawn anew from its SVG, as sharp as the drawing,
    // not a 128-pixel picture blown up.
    const QSize large(260, 228);
    const QImage shown = picturePixmap(Picture::IconaSi, large, 1.0).toImage();
    QCOMPARE(shown.size(), large);
    QImage drawing(large, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    QPainter painter(&drawing);
    QSvgRenderer(QStringLiteral(VOCARIO_SOURCE_DIR "/src/geometry/pictures/icona_si.svg"))
        .render(&painter);
    painter.end();
    const QImage blownUp = picturePixmap(Picture::IconaSi, QSize(128, 128), 1.0)
                               .toImage()
                               .scaled(large, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double sharp = meanDifference(shown, drawing);
    const double blurred = meanDifference(blownUp, drawing);
    qInfo("difference from the drawing: %.2f drawn anew, %.2f blown up", sharp, blurred);
    QVERIFY(sharp < 0.5);
    QVERIFY(blurred > 4 * sharp);
}

QTEST_MAIN(WindowSizesTest)
#include "tst_windowsizes.moc"
