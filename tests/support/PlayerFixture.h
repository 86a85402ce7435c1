#pragma once

#include "dialogs/MenuForm.h"
#include "dialogs/PlayerDialogs.h"
#include "dialogs/SplashForm.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/Transport.h"
#include "settings/RegistryStore.h"
#include "subtitles/SubtitleForm.h"
#include "support/FakeEngine.h"
#include "support/FakeTray.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPrompts.h"
#include "video/VideoWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace kyvra::test {

// The whole player's headers come with it, so a test names only what is its own.
// A whole player on the offscreen platform: fake engine, scripted prompts, a registry file and
// XDG folders of its own, a 1280x1024 screen at 96 DPI, and an end that only records itself.
class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    }

    // Builds the player; call again to simulate the next run on the same machine. Given an
    // engine of its own, the player uses that one and `engine` is null.
    Player& makePlayer(const QString& commandLine = {}, Screen screen = defaultScreen(),
                       std::unique_ptr<MediaEngine> ownEngine = nullptr) {
        player.reset();
        engine = nullptr;
        if (!ownEngine) {
            auto fake = std::make_unique<FakeEngine>();
            engine = fake.get();
            for (auto it = media.cbegin(); it != media.cend(); ++it)
                engine->addMedia(it.key(), it.value());
            ownEngine = std::move(fake);
        }
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        auto fakeTray = std::make_unique<FakeTray>();
        tray = fakeTray.get();
        player = std::make_unique<Player>(Player::Services{
            std::move(ownEngine), std::move(scripted), screen, registryPath(), commandLine,
            dir.filePath(QStringLiteral("bin/kyvra-player")), dir.filePath(QStringLiteral("lock")),
            std::move(fakeTray), MakePlayerDialogs});
        player->onEnd = [this] { ++ends; };
        return *player;
    }

    // A player as start-up leaves it: the panel shown and loaded.
    Player& makeStartedPlayer() {
        makePlayer();
        remote().show();
        remote().Form_Load();
        return *player;
    }

    RemoteForm& remote() { return player->remote(); }
    PlayerDialogs& dialogs() { return static_cast<PlayerDialogs&>(player->dialogs()); }
    MenuForm& menu() { return dialogs().menu(); }
    SplashForm* splash() { return static_cast<SplashForm*>(player->frmSplash.data()); }
    // What the panel's status line shows.
    QString status() { return player->remote().status->Caption(); }

    static Screen defaultScreen() { return Screen(QSize(1280, 1024), 96, 96); }

    static QRectF bounds(const TwipsGeometry& g) {
        return {g.left(), g.top(), g.width(), g.height()};
    }
    static QRectF bounds(const Form& f) { return {f.Left(), f.Top(), f.Width(), f.Height()}; }
    static bool staysOnTop(const QWidget& window) {
        return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    }
    // Drops files or web addresses on a window the way a file manager or a browser does.
    static void dropOn(QWidget& window, const QStringList& places, QPoint at = {5, 5}) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& place : places)
            urls << QUrl::fromUserInput(place);
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
    }
    // Lets the windows that closed themselves go, as the event loop would.
    static void deleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString registryPath() const { return dir.filePath(QStringLiteral("registry.reg")); }

    // Writes settings straight into the registry file, creating the settings key if there are
    // any.
    using Stored = std::initializer_list<std::pair<QString, QString>>;
    void storeSettings(Stored settings) {
        if (settings.size() == 0)
            return;
        RegistryStore store(registryPath());
        store.createKey(kSettingsKey);
        for (const auto& [name, value] : settings)
            store.setValue(kSettingsKey, name, value);
    }
    void storeSetting(const QString& name, const QString& value) { storeSettings({{name, value}}); }

    std::optional<QString> storedSetting(const QString& name) const {
        RegistryStore store(registryPath());
        return store.value(kSettingsKey, name);
    }

    // A file's bytes; none for a file that cannot be read.
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A file under the fixture's folder, its folders made as needed.
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // A real file the fake engine plays as the given media (registered for the next player
    // too).
    QString makeMediaFile(const QString& name, FakeEngine::Media description = {}) {
        const QString path = writeFile(name, "media");
        media.insert(path, description);
        if (engine)
            engine->addMedia(path, description);
        return path;
    }

    // Opens a file as the engine does and handles its new-stream event; makes the player if
    // there is none yet.
    QString openInEngine(const QString& name, FakeEngine::Media description = {}) {
        const QString path = makeMediaFile(name, description);
        if (!player)
            makePlayer();
        engine->setFileName(path);
        QCoreApplication::processEvents();
        return path;
    }

    QTemporaryDir dir;
    QHash<QString, FakeEngine::Media> media;
    FakeEngine* engine = nullptr;
    ScriptedPrompts* prompts = nullptr;
    FakeTray* tray = nullptr;
    std::unique_ptr<Player> player;
    int ends = 0;
};

} // namespace kyvra::test
