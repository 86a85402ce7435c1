// Writes the screenshots of the options dialog (one per page) and of the about box with its first
// credit block half way up, each at 1x and 2x, into the folder given.
//
//   dialog-screenshots FOLDER
#include "ScreenshotCamera.h"
#include "dialogs/AboutForm.h"
#include "dialogs/CreditsPicture.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/PlayerDialogs.h"
#include "panel/RemoteForm.h"
#include "player/Player.h"
#include "support/FakeEngine.h"
#include "support/FakeTray.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

using namespace kyvra;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog-screenshots FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    docs::ScreenshotCamera camera(folder);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    Player player({std::make_unique<test::FakeEngine>(), std::make_unique<test::ScriptedPrompts>(),
                   Screen(QSize(1280, 1024), 96, 96), home.filePath(QStringLiteral("registry.reg")),
                   QString(), QString(), home.filePath(QStringLiteral("lock")),
                   std::make_unique<test::FakeTray>(), MakePlayerDialogs});
    player.onEnd = [] {};
    player.options.useSubs = true;
    player.options.scrollTitle = true;
    player.options.autostart = true;
    player.subtitleCursor.framesPerSecond = 25;

    auto& dialogs = static_cast<PlayerDialogs&>(player.dialogs());
    dialogs.showOptions();
    OptionsForm& options = *dialogs.options;
    const char* const pages[] = {"options-interface", "options-auto", "options-subtitles",
                                 "options-dde"};
    for (int page = 0; page < 4; ++page) {
        options.options->setCurrentIndex(page);
        camera.shoot(options, QLatin1String(pages[page]));
    }
    options.close();

    dialogs.showAbout();
    AboutForm& about = *dialogs.about;
    about.tmr->setEnabled(false);
    while (about.roll().blocks()[0].top > about.Picture1->Height() * 0.4f)
        about.tmr_Timer();
    camera.shoot(about, QStringLiteral("about"));
    return camera.ok() ? 0 : 1;
}
