#include "core/FileNames.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace kyvra;

namespace {

const Screen kScreen96(QSize(1024, 768), 96, 96);     // 15 twips per pixel
const Screen kScreen120(QSize(1280, 1024), 120, 120); // 12 twips per pixel

struct RecordingForm : Form {
    explicit RecordingForm(const Screen& screen) : Form(screen, 0) { acceptFileDrops(); }
    QStringList log;
    void Form_MouseDown(int button, int shift, float x, float y) override {
        log << QStringLiteral("down %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y);
    }
    void Form_KeyDown(int keyCode, int shift) override {
        log << QStringLiteral("key %1 %2").arg(keyCode).arg(shift);
    }
    void Form_OLEDragDrop(const QStringList& files, int, int, float, float) override {
        log << QStringLiteral("drop %1").arg(files.join(QLatin1Char('|')));
    }
};

} // namespace

TEST(TwipsGeometry, KeepsTwipsExactlyShowsRoundedPixelsAndFollowsMovesMadeOutside) {
    Form form(kScreen96, 0);
    form.Move(100, 200, 4125, 1680);
    // 100/15 = 6.67 -> 7, 200/15 = 13.3 -> 13, 4125/15 = 275, 1680/15 = 112
    EXPECT_EQ(form.pos(), QPoint(7, 13));
    EXPECT_EQ(form.size(), QSize(275, 112));

    // Halves go to the even neighbour: 22.5 px -> 22, 37.5 px -> 38.
    Label label(&form, kScreen96);
    label.Move(337.5f, 562.5f, 30, 30);
    EXPECT_EQ(label.pos(), QPoint(22, 38));

    // Growing by small steps must not drift through rounding.
    for (int i = 0; i < 100; ++i)
        label.setWidth(label.Width() + 1);
    EXPECT_FLOAT_EQ(label.Width(), 130);
    EXPECT_EQ(label.width(), 9); // 130/15 = 8.67

    // Moves made outside are followed, by the screen's own factor.
    Form shown(kScreen120, 0);
    shown.Move(1200, 1200, 2400, 2400);
    shown.show(); // a hidden window reports no moves
    EXPECT_EQ(shown.geometry().size(), QSize(200, 200));
    shown.move(50, 60); // as the window manager or a drag would
    shown.resize(10, 20);
    EXPECT_EQ(QRectF(shown.Left(), shown.Top(), shown.Width(), shown.Height()),
              QRectF(600, 720, 120, 240));

    // Absurd twips show as nothing or far away rather than overflowing.
    shown.setWidth(-500);
    EXPECT_LE(shown.width(), 1);
    shown.setLeft(3.0e30f);
    EXPECT_GT(shown.x(), 0);
}

TEST(FormEvents, MouseKeysDropsAndControlClicksArriveInFormUnits) {
    RecordingForm form(kScreen96);
    form.Move(0, 0, 3000, 3000);
    Label label(&form, kScreen96);
    label.Move(150, 150, 600, 300);
    int clicks = 0;
    QStringList downs;
    label.events.click = [&] { ++clicks; };
    label.events.mouseDown = [&](int b, int s, float x, float y) {
        downs << QStringLiteral("%1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    };
    form.show();

    // A click needs the left button pressed and released inside; a press on the control does not
    // reach the form behind it.
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(200, 3));
    QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(2, 3));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, (QStringList{"1 0 30 45", "1 0 30 45", "2 0 30 45"}));

    QTest::mousePress(&form, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(60, 90));
    QTest::keyClick(&form, Qt::Key_F4, Qt::ControlModifier); // the Ctrl key itself goes down first

    // A drop hands on its local files only, a Latin-1 name by its own bytes; what is not a file
    // list is refused as it enters.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a b.avi")),
                   QUrl(QStringLiteral("https://example.org/c.avi")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/\u00e4.mpg")),
                   QUrl::fromEncoded("file:///tmp/caf%E9.avi")});
    QDragEnterEvent enter(QPoint(1, 2), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    QDropEvent drop(QPointF(1, 2), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent textEnter(QPoint(1, 2), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());

    EXPECT_EQ(form.log, QStringList({"down 2 5 900 1350", "key 17 2", "key 115 2",
                                     "drop /tmp/a b.avi|/tmp/\u00e4.mpg|" +
                                         pathFromBytes("/tmp/caf\xe9.avi")}));
}

TEST(Timer, EnablingOrNewIntervalRestartsTheCount) {
    QObject owner;
    Timer timer(&owner, 80, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };

    // Re-arming every 50 ms keeps an 80 ms timer from ever firing.
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(50);
        timer.setEnabled(false);
        timer.setEnabled(true);
    }
    EXPECT_EQ(ticks, 0);
    QTest::qWait(40);
    timer.setInterval(80);
    QTest::qWait(50);
    EXPECT_EQ(ticks, 0);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 1000);

    timer.setEnabled(false);
    timer.tick();
    EXPECT_EQ(ticks, 1) << "a disabled timer does not run its handler";
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(timer.isCounting());
}
