// The subtitle window: its text and dragging.
#include "subtitles/SubtitleForm.h"
#include "support/PlayerFixture.h"

#include <QTest>

using namespace kyvra;

using SubtitleWindow = test::PlayerFixture;

// Any button on the text drags the window.
TEST_F(SubtitleWindow, ShowsCentredWrappedTextAndAnyButtonOnItDrags) {
    SubtitleForm& subs = makePlayer().frmSub();
    subs.ShowText("First\rSecond\r\nThird");
    EXPECT_EQ(subs.subtitles->Caption(), "First\nSecond\nThird");
    EXPECT_EQ(subs.subtitles->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    const int threeLines = subs.subtitles->heightForWidth(488);

    subs.ShowText(QString(60, QLatin1Char(' ')).replace(" ", "wrapping words "));
    EXPECT_GT(subs.subtitles->heightForWidth(488), threeLines) << "long text wraps";
    subs.ShowText(QStringList(40, "line").join('\r'));
    EXPECT_EQ(subs.subtitles->alignment(), Qt::AlignHCenter | Qt::AlignTop)
        << "too tall: the first lines stay, the rest is cut at the bottom";

    const QPoint grip(200, 50);
    const QPoint before = subs.pos();
    QCursor::setPos(subs.mapToGlobal(grip));
    QTest::mousePress(subs.subtitles, Qt::RightButton, {}, grip);
    QTest::mouseMove(subs.subtitles, grip + QPoint(40, -30));
    QTest::mouseRelease(subs.subtitles, Qt::RightButton, {}, grip);
    EXPECT_EQ(subs.pos(), before + QPoint(40, -30));
}
