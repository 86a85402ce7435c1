#include "playback/MpvProperties.h"

#include <algorithm>
#include <cmath>
#include <mpv/client.h>
#include <vector>

namespace kyvra::mpv {

AppError error(int code) {
    return {code, QString::fromUtf8(mpv_error_string(code))};
}

void check(int code) {
    if (code < 0)
        throw error(code);
}

namespace {

template <typename T> std::optional<T> get(mpv_handle* mpv, const char* name, mpv_format format) {
    T value{};
    if (mpv_get_property(mpv, name, format, &value) < 0)
        return std::nullopt;
    return value;
}

template <typename T> void set(mpv_handle* mpv, const char* name, mpv_format format, T value) {
    check(mpv_set_property(mpv, name, format, &value));
}

} // namespace

std::optional<double> getDouble(mpv_handle* mpv, const char* name) {
    return get<double>(mpv, name, MPV_FORMAT_DOUBLE);
}

std::optional<std::int64_t> getInt(mpv_handle* mpv, const char* name) {
    return get<std::int64_t>(mpv, name, MPV_FORMAT_INT64);
}

std::optional<bool> getFlag(mpv_handle* mpv, const char* name) {
    const auto flag = get<int>(mpv, name, MPV_FORMAT_FLAG);
    return flag ? std::optional<bool>(*flag != 0) : std::nullopt;
}

std::optional<QByteArray> getString(mpv_handle* mpv, const char* name) {
    char* text = mpv_get_property_string(mpv, name);
    if (!text)
        return std::nullopt;
    QByteArray value(text);
    mpv_free(text);
    return value;
}

void setDouble(mpv_handle* mpv, const char* name, double value) {
    set(mpv, name, MPV_FORMAT_DOUBLE, value);
}

void setInt(mpv_handle* mpv, const char* name, std::int64_t value) {
    set(mpv, name, MPV_FORMAT_INT64, value);
}

void setFlag(mpv_handle* mpv, const char* name, bool value) {
    set(mpv, name, MPV_FORMAT_FLAG, int(value));
}

void setString(mpv_handle* mpv, const char* name, const QByteArray& value) {
    set(mpv, name, MPV_FORMAT_STRING, value.constData());
}

void command(mpv_handle* mpv, std::initializer_list<QByteArray> arguments) {
    std::vector<const char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    check(mpv_command(mpv, argv.data()));
}

double volumeLevel(int hundredthsOfDb) {
    // A cubic volume v gives the gain (v / 100)^3, so 100 × 10^(dB / 60) gives the wanted one.
    return std::clamp(100.0 * std::pow(10.0, hundredthsOfDb / 6000.0), 0.0, 100.0);
}

} // namespace kyvra::mpv
