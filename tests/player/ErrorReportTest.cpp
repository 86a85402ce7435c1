// The one error report and the way back to no media.
#include "player/ErrorReport.h"

#include "app/GuardedApplication.h"
#include "core/AppError.h"
#include "core/ProductInfo.h"
#include "support/PlayerFixture.h"

#include <QScopeGuard>
#include <QTimer>
#include <stdexcept>

using namespace kyvra;

using ErrorReport = test::PlayerFixture;

TEST(ErrorTemplate, ReplacesEveryExactPlaceholderOnceNumberFirst) {
    EXPECT_EQ(FillErrorTemplate("#[err.Number]/[err.Description]",
                                AppError(-2147467259, "Automation error")),
              "#-2147467259/Automation error");
    EXPECT_EQ(
        FillErrorTemplate("[err.Number][err.Number] [ERR.NUMBER] [err.number]", AppError(7, "x")),
        "77 [ERR.NUMBER] [err.number]");
    // A description carrying a placeholder is shown as it stands, not expanded into again.
    EXPECT_EQ(FillErrorTemplate("#[err.Number]: [err.Description]",
                                AppError(5, "bad [err.Number] and [err.Description]")),
              "#5: bad [err.Number] and [err.Description]");
}

// A file error names the path as it stands. The event loop is the last guard: what escapes a
// handler, the player's own error or a library's, is reported and the program goes on.
TEST_F(ErrorReport, AFileErrorResetsNothingAReportReturnsToNoMediaAndTheEventLoopReportsEscapes) {
    Player& player = makePlayer();
    RemoteForm& remote = player.remote();
    player.engine().setFileName(makeMediaFile("clip.avi"));
    PlayMedia(player, 0);
    ReportFileError(player, "/media/[file];/b.avi");
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text,
              "The file /media/[file];/b.avi is either corrupt or damaged.");
    EXPECT_EQ(prompts->shown[0].title, "File access error");
    EXPECT_EQ(player.engine().fileName(), dir.filePath("clip.avi"));
    EXPECT_EQ(player.status.text, "clip.avi Playing");

    remote.progress->setValue(40);
    remote.time->setCaption("00:12 / 01:00");
    remote.playbackInfo->setCaption("352x240");
    ASSERT_TRUE(player.video().isVisible());

    ReportError(player, AppError::typeMismatch(), "Fitting failed.");

    ASSERT_EQ(prompts->shown.size(), 2u);
    EXPECT_EQ(prompts->shown[1].text,
              "Fitting failed.\r\n\r\nThis Type of Error usually only occurs when "
              "attempting to play an incomplete or damaged File.  Check the WebSite for "
              "further help. " +
                  kWebSite + "\r\n\r\n(Error code: #13/Error description: Type mismatch)");
    EXPECT_EQ(remote.progress->value(), 0);
    EXPECT_EQ(player.status.text, "No media loaded");
    EXPECT_EQ(remote.time->Caption(), "");
    EXPECT_EQ(remote.playbackInfo->Caption(), "");
    EXPECT_FALSE(player.video().isVisible());

    auto& app = static_cast<GuardedApplication&>(*qApp);
    app.reportEscapedError = [&player](const AppError& error) {
        ReportError(player, error, QStringLiteral("An unexpected error occured."));
    };
    const auto unguard = qScopeGuard([&app] { app.reportEscapedError = nullptr; });
    QTimer::singleShot(0, [] { throw AppError(-7, QStringLiteral("device lost")); });
    QTimer::singleShot(0, [] { throw std::out_of_range("index 3"); });
    QCoreApplication::processEvents();
    const QStringList texts = prompts->messageTexts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_TRUE(texts[2].startsWith("An unexpected error occured.\r\n"));
    EXPECT_TRUE(texts[2].endsWith("(Error code: #-7/Error description: device lost)"));
    EXPECT_TRUE(texts[3].endsWith("(Error code: #51/Error description: index 3)"));
}
