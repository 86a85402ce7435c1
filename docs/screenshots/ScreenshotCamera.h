#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>

namespace kyvra::docs {

// Saves a window as it looks, at 1x as NAME.png and at 2x as NAME@2x.png, into one folder.
class ScreenshotCamera {
public:
    explicit ScreenshotCamera(QString folder) : folder_(std::move(folder)) {}

    void shoot(QWidget& window, const QString& name) {
        QCoreApplication::processEvents();
        bool saved = window.grab().save(QDir(folder_).filePath(name + QStringLiteral(".png")));
        QImage sharp(window.size() * 2, QImage::Format_ARGB32_Premultiplied);
        sharp.setDevicePixelRatio(2);
        sharp.fill(Qt::transparent);
        window.render(&sharp);
        saved = sharp.save(QDir(folder_).filePath(name + QStringLiteral("@2x.png"))) && saved;
        if (!saved)
            std::fprintf(stderr, "cannot write screenshot %s\n", qPrintable(name));
        ok_ = ok_ && saved;
    }

    bool ok() const { return ok_; }

private:
    QString folder_;
    bool ok_ = true;
};

} // namespace kyvra::docs
