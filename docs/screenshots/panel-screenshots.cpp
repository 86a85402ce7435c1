// Writes the screenshots of docs/screenshots: the control panel in each view and hover state, and
// the start-up picture, each at 1x and 2x. The panel is the real one, driven by pointer events on
// its controls; only the engine is the tests' scripted one, so no media files are needed.
//
//   panel-screenshots FOLDER
#include "ScreenshotCamera.h"
#include "dialogs/PlayerDialogs.h"
#include "dialogs/SplashForm.h"
#include "panel/RemoteForm.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/Transport.h"
#include "settings/Registry.h"
#include "support/FakeEngine.h"
#include "support/FakeTray.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

using namespace kyvra;

namespace {

// The pointer over a control: whatever lies on top at its centre receives the event, as it would
// on screen.
QWidget* topAt(RemoteForm& remote, QWidget* control) {
    return remote.childAt(control->geometry().center());
}

void pointer(QWidget* target, QEvent::Type type, Qt::MouseButton button = Qt::NoButton) {
    const QPointF at = QRectF(target->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Onto the control, then once more onto whatever lit up over it.
void hover(RemoteForm& remote, QWidget* control) {
    pointer(topAt(remote, control), QEvent::MouseMove);
    pointer(topAt(remote, control), QEvent::MouseMove);
}

void click(RemoteForm& remote, QWidget* control) {
    QWidget* target = topAt(remote, control);
    pointer(target, QEvent::MouseButtonPress, Qt::LeftButton);
    pointer(target, QEvent::MouseButtonRelease, Qt::LeftButton);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel-screenshots FOLDER\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    docs::ScreenshotCamera camera(QString::fromLocal8Bit(argv[1]));

    auto fake = std::make_unique<test::FakeEngine>();
    test::FakeEngine& engine = *fake;
    Player player({std::move(fake), std::make_unique<test::ScriptedPrompts>(),
                   Screen(QSize(1280, 1024), 96, 96), home.filePath(QStringLiteral("registry.reg")),
                   QString(), QString(), home.filePath(QStringLiteral("lock")),
                   std::make_unique<test::FakeTray>(), MakePlayerDialogs});
    player.onEnd = [] {};

    SplashForm splash(player, [] {});
    camera.shoot(splash, QStringLiteral("splash"));

    RemoteForm& remote = player.remote();
    remote.show();
    remote.Form_Load();
    camera.shoot(remote, QStringLiteral("panel-main-idle"));

    const QString clip = home.filePath(QStringLiteral("Harbour Lights.avi"));
    QFile file(clip);
    file.open(QIODevice::WriteOnly);
    test::FakeEngine::Media media;
    media.seconds = 596;
    media.width = 640;
    media.height = 360;
    engine.addMedia(clip, media);
    player.registry().CreateRegKey(kSettingsKey);
    player.registry().WriteRegValue(kSettingsKey, QStringLiteral("Autostart"),
                                    QStringLiteral("yes"));
    LoadMedia(player, clip, QString());
    QCoreApplication::processEvents();
    // A second of playing: two ticks of the time display.
    for (double seconds : {82.5, 0.5}) {
        engine.advance(seconds);
        remote.tmrKeepTime->tick();
    }
    camera.shoot(remote, QStringLiteral("panel-main-playing"));

    click(remote, remote.pbview);
    camera.shoot(remote, QStringLiteral("panel-zoom"));
    click(remote, remote.volpanel);
    click(remote, remote.volpanel);
    camera.shoot(remote, QStringLiteral("panel-audio"));
    click(remote, remote.volpanel);

    const std::pair<QWidget*, const char*> hovers[] = {
        {remote.back, "panel-hover-back"},       {remote.play, "panel-hover-play"},
        {remote.pause, "panel-hover-pause"},     {remote.stop_button, "panel-hover-stop"},
        {remote.forward, "panel-hover-forward"}, {remote.load, "panel-hover-load"},
        {remote.kyvra, "panel-hover-logo"},
    };
    for (const auto& [control, name] : hovers) {
        hover(remote, remote.background);
        hover(remote, control);
        camera.shoot(remote, QLatin1String(name));
    }
    hover(remote, remote.background);
    click(remote, remote.repeat);
    camera.shoot(remote, QStringLiteral("panel-repeat-on"));
    return camera.ok() ? 0 : 1;
}
