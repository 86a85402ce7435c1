// The about box on a real player: the logo opens it, its credits, its link, how it closes.
#include "dialogs/AboutForm.h"
#include "dialogs/CreditsPicture.h"
#include "support/BrowserStub.h"
#include "support/PlayerFixture.h"

#include <QDesktopServices>
#include <QUrl>

using namespace kyvra;

class AboutBox : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        QDesktopServices::setUrlHandler("https", &browser, "open");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler("https"); }

    AboutForm& openFromLogo() {
        RemoteForm& panel = makeStartedPlayer().remote();
        const QPoint logo = panel.kyvra->geometry().center();
        // Onto the logo, then a click on the lit twin that took its place.
        QTest::mouseMove(&panel, QPoint(1, 1));
        QTest::mouseMove(&panel, logo);
        QTest::mouseClick(panel.childAt(logo), Qt::LeftButton);
        EXPECT_TRUE(dialogs().about);
        return *dialogs().about;
    }

    bool closed() {
        deleteClosedWindows();
        return !dialogs().about;
    }

    test::BrowserStub browser;
};

TEST_F(AboutBox, OpensFromTheLogoRollsTheCreditsOnItsTimerAndClosesOnAKeyOrAClick) {
    AboutForm& about = openFromLogo();
    EXPECT_TRUE(about.isVisible());
    const auto& blocks = about.roll().blocks();
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_GT(blocks[3].height, blocks[2].height * 3) << "four lines against one";

    // The real timer drives it: the first block rises, the others wait below the picture.
    QTRY_VERIFY_WITH_TIMEOUT(about.roll().blocks()[0].top < about.Picture1->Height() - 300, 5000);
    EXPECT_EQ(about.roll().blocks()[1].top, about.Picture1->Height() + 10);

    const QImage picture = about.Picture1->grab().toImage();
    EXPECT_EQ(picture.pixelColor(5, 1), QColor(0, 0, 255));
    EXPECT_LT(picture.pixelColor(5, picture.height() - 2).blue(), 10);

    player->dialogs().showAbout();
    EXPECT_EQ(dialogs().about.data(), &about) << "opening again brings this one forward";

    const auto linkColour = [&] { return about.Label1->palette().color(QPalette::WindowText); };
    QTest::mouseMove(about.Picture1, QPoint(20, 20));
    EXPECT_EQ(linkColour(), QColor(255, 255, 0));
    QTest::mouseMove(about.Label1, QPoint(5, 5));
    EXPECT_EQ(linkColour(), QColor(255, 0, 0));
    QTest::mouseClick(about.Label1, Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened.front().scheme(), "https");
    EXPECT_FALSE(closed());

    QTest::keyClick(&about, Qt::Key_AsciiTilde);
    EXPECT_TRUE(closed());
    EXPECT_TRUE(player->windows.dialogOpen) << "closing leaves it set";
    player->dialogs().showAbout();
    QTest::mouseClick(dialogs().about->Picture1, Qt::LeftButton);
    EXPECT_TRUE(closed());
}
