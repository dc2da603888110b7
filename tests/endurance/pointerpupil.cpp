#include "pointerpupil.h"

#include "xsession.h"

#include <QDeadlineTimer>
#include <QtTest>

namespace vocario::endurance {
namespace {

constexpr int kWaitMs = 15000;
constexpr int kDragSteps = 8;

} // namespace

QList<PointerMove> movesOf(const QJsonValue& value) {
    QList<PointerMove> moves;
    for (const QJsonValue& item : value.toArray())
        moves.append({item.toArray().at(0).toString(), item.toArray().at(1).toString()});
    return moves;
}

QRgb rgbOf(qint64 bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QPoint clickPoint(const QJsonObject& control) {
    QRect rect = ProgramView::rectOf(control);
    // An option button reacts on its round mark and its caption, not beside them.
    if (control.value("class").toString() == u"DesignOptionButton" ||
        control.value("class").toString() == u"QRadioButton")
        rect.setWidth(16);
    return rect.center();
}

ProgramView PointerPupil::look() {
    last_ = program_.look();
    return last_;
}

ProgramView PointerPupil::waitUntil(const std::function<bool(const ProgramView&)>& done,
                                    const QString& what) {
    QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        const ProgramView view = look();
        if (!view.isValid())
            break; // the program no longer answers
        if (done(view))
            return view;
        QTest::qWait(15);
    }
    QTest::qFail(qPrintable(QStringLiteral("Waited in vain for %1 (window on show: %2)")
                                .arg(what, last_.windowName())),
                 __FILE__, __LINE__);
    return {};
}

void PointerPupil::clickControl(const QString& name) {
    const QJsonObject control = look().control(name);
    QVERIFY2(control.value("visible").toBool(), qPrintable(name + QStringLiteral(" not on show")));
    x_.click(clickPoint(control));
}

void PointerPupil::clickAction(const QString& name) {
    const QJsonObject action = look().action(name);
    QVERIFY2(!action.isEmpty(), qPrintable(name + QStringLiteral(" not in the menu")));
    x_.click(ProgramView::centreOf(action));
}

void PointerPupil::answerBox(const QString& button) {
    const ProgramView view =
        waitUntil([&](const ProgramView& v) { return !v.boxButton(button).isEmpty(); },
                  QStringLiteral("a message box with ") + button);
    STEP();
    QCOMPARE(view.messageBox().value("title").toString(), QStringLiteral("Vocario"));
    x_.click(ProgramView::centreOf(view.boxButton(button)));
    waitUntil([](const ProgramView& v) { return v.messageBox().isEmpty(); },
              QStringLiteral("the message box to close"));
}

void PointerPupil::dragWord(const QString& source, const QString& target) {
    const ProgramView before = look();
    const QPoint from = ProgramView::centreOf(before.control(source));
    const QPoint to = ProgramView::centreOf(before.control(target));
    x_.moveTo(from);
    x_.press();
    for (int step = 1; step <= kDragSteps; ++step)
        x_.moveTo(from + (to - from) * step / kDragSteps);
    // The word must be over its target, as Qt's drag sees it, before the
    // button goes up; a small nudge makes the drag look again.
    QDeadlineTimer deadline(kWaitMs);
    for (int nudge = 0; look().dragOver() != target && !deadline.hasExpired(); ++nudge) {
        QTest::qWait(15);
        if (nudge % 20 == 19)
            x_.moveTo(to + QPoint(nudge % 40 == 19 ? 1 : 0, 0));
    }
    QVERIFY2(last_.dragOver() == target,
             qPrintable(QStringLiteral("%1 never got over %2").arg(source, target)));
    x_.release();
    waitUntil([&](const ProgramView& v) { return v.drops() > before.drops() && !v.dragActive(); },
              QStringLiteral("the drop of %1 on %2").arg(source, target));
}

void PointerPupil::dragOntoNothing(const QString& source, const QString& over) {
    const ProgramView before = look();
    const QPoint from = ProgramView::centreOf(before.control(source));
    const QPoint to = ProgramView::centreOf(before.control(over));
    x_.moveTo(from);
    x_.press();
    for (int step = 1; step <= kDragSteps; ++step)
        x_.moveTo(from + (to - from) * step / kDragSteps);
    STEP(waitUntil([](const ProgramView& v) { return v.dragActive(); },
                   QStringLiteral("a drag of ") + source));
    x_.release();
    const ProgramView after = waitUntil([](const ProgramView& v) { return !v.dragActive(); },
                                        QStringLiteral("the drag to end"));
    STEP();
    QCOMPARE(after.drops(), before.drops());
}

void PointerPupil::perform(const PointerMove& move) {
    if (move.target.isEmpty())
        clickControl(move.source);
    else
        dragWord(move.source, move.target);
}

void PointerPupil::checkScreenColour(const ProgramView& view, qint64 bgr, const QString& when) {
    const QJsonArray sample = view.window().value("sample").toArray();
    QCOMPARE(sample.size(), 2);
    const QPoint at(sample[0].toInt(), sample[1].toInt());
    // The window repaints after the change the probe reported: look again
    // until the screen shows it.
    QRgb seen = 0;
    QDeadlineTimer deadline(kWaitMs);
    do {
        const QImage screen = x_.screenshot();
        QVERIFY2(!screen.isNull(), "no screenshot");
        seen = screen.pixel(at);
        if (seen == rgbOf(bgr))
            return;
        QTest::qWait(30);
    } while (!deadline.hasExpired());
    QFAIL(qPrintable(QStringLiteral("%1: the screen shows #%2 at (%3, %4), expected #%5")
                         .arg(when)
                         .arg(seen & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                         .arg(at.x())
                         .arg(at.y())
                         .arg(rgbOf(bgr) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
}

} // namespace vocario::endurance
