#include "app/GuardedApplication.h"

#include "core/AppError.h"

#include <cstdio>
#include <exception>

namespace kyvra {

namespace {

// The number the report shows for an error that is not the player's own (a library's).
constexpr int kInternalError = 51;

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    if (!reportEscapedError)
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        report(error);
    } catch (const std::exception& error) {
        report(AppError(kInternalError, QString::fromLocal8Bit(error.what())));
    }
    return false;
}

// The report is the last resort: what goes wrong in it is only written down.
void GuardedApplication::report(const AppError& error) {
    try {
        reportEscapedError(error);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "kyvra-player: %s (while reporting: %s)\n",
                     qPrintable(error.description()), failure.what());
    }
}

} // namespace kyvra
