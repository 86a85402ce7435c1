#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace kyvra::test {

// Stands in for the desktop's web browser: install it with QDesktopServices::setUrlHandler(
// scheme, &stub, "open") and it records the addresses it was asked to show.
class BrowserStub : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace kyvra::test
