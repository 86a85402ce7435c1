#pragma once

#include <QApplication>
#include <functional>

namespace kyvra {

class AppError;

// The application whose event loop is the last guard: an error that escapes a handler is
// handed to the report instead of ending the program. Without a report it ends it as before.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    std::function<void(const AppError&)> reportEscapedError;

private:
    void report(const AppError& error);
};

} // namespace kyvra
