// The one error report and the way back to no media.
#include "app/ErrorReport.h"

#include "app/ProductInfo.h"
#include "core/AppError.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/Transport.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

using namespace kyvra;

using ErrorReport = test::PlayerFixture;

TEST_F(ErrorReport, ReportsTheErrorAndReturnsToNoMedia) {
    const QString path = makeMediaFile("clip.avi");
    Player& player = makePlayer();
    RemoteForm& remote = player.remote();
    player.engine().setFileName(path);
    PlayMedia(player, 0);
    remote.progress->setValue(40);
    remote.time->setCaption("00:12 / 01:00");
    remote.playbackInfo->setCaption("352x240");
    ASSERT_TRUE(player.video().isVisible());

    ReportError(player, AppError::typeMismatch(), "Fitting failed.");

    ASSERT_EQ(prompts->shown.size(), 1u);
    const auto& box = prompts->shown[0];
    EXPECT_EQ(box.text, "Fitting failed.\r\n\r\nThis Type of Error usually only occurs when "
                        "attempting to play an incomplete or damaged File.  Check the WebSite for "
                        "further help. " +
                            kWebSite +
                            "\r\n\r\n(Error code: #13/Error description: Type mismatch)");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);

    EXPECT_EQ(player.engine().fileName(), "");
    EXPECT_EQ(remote.progress->value(), 0);
    EXPECT_EQ(player.state.StatusText, "No media loaded");
    EXPECT_EQ(remote.status->Caption(), "No media loaded");
    EXPECT_EQ(remote.time->Caption(), "");
    EXPECT_EQ(remote.playbackInfo->Caption(), "");
    EXPECT_FALSE(player.video().isVisible());
}

TEST_F(ErrorReport, FileErrorNamesThePathAsItStandsAndResetsNothing) {
    const QString path = makeMediaFile("clip.avi");
    Player& player = makePlayer();
    player.engine().setFileName(path);
    player.state.StatusText = "clip Playing";

    ReportFileError(player, "/media/[file];/b.avi");

    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text,
              "The file /media/[file];/b.avi is either corrupt or damaged.");
    EXPECT_EQ(prompts->shown[0].title, "File access error");
    EXPECT_EQ(prompts->shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(player.engine().fileName(), path);
    EXPECT_EQ(player.state.StatusText, "clip Playing");
}
