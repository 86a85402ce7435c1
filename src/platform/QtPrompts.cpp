#include "platform/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace kyvra {

namespace {

QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MsgResult fromQt(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return MsgResult::Ok;
    }
}

} // namespace

QString QtPrompts::titleOrDefault(const QString& title) const {
    return title.isEmpty() ? defaultTitle_ : title;
}

MsgResult QtPrompts::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                const QString& title) {
    QMessageBox box(toQt(icon), titleOrDefault(title), text, toQt(buttons),
                    QApplication::activeWindow());
    return fromQt(box.exec());
}

QString QtPrompts::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(QApplication::activeWindow(), titleOrDefault(title), prompt,
                              QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : QString();
}

QString QtPrompts::openFile(const OpenFileRequest& request) {
    const QStringList filters = request.filter.split(QStringLiteral(";;"));
    QString selected = filters.value(request.filterIndex);
    QString start = request.initialDirectory;
    if (!request.defaultName.isEmpty())
        start =
            start.isEmpty() ? request.defaultName : start + QLatin1Char('/') + request.defaultName;
    QWidget* owner = request.owner ? request.owner : QApplication::activeWindow();
    return QFileDialog::getOpenFileName(owner, titleOrDefault(request.title), start, request.filter,
                                        &selected);
}

} // namespace kyvra
