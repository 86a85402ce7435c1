#pragma once

#include <QString>
#include <stdexcept>

namespace kyvra {

// The one error type of the program: a number and a description, like the error object the
// handlers trap and hand to the error report. Engine failures carry the engine's own code and text.
class AppError : public std::runtime_error {
public:
    AppError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number),
          description_(description) {}

    int number() const { return number_; }
    const QString& description() const { return description_; }

    static AppError overflow() { return {6, QStringLiteral("Overflow")}; }
    static AppError typeMismatch() { return {13, QStringLiteral("Type mismatch")}; }

private:
    int number_;
    QString description_;
};

} // namespace kyvra
