#pragma once

#include "core/AppError.h"

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <optional>

struct mpv_handle;

// Thin typed access to mpv's properties and commands. Reads give nothing when mpv has no value
// (nothing loaded, no such stream); writes and commands throw AppError with mpv's code and text.
namespace kyvra::mpv {

AppError error(int code);
void check(int code);

std::optional<double> getDouble(mpv_handle* mpv, const char* name);
std::optional<std::int64_t> getInt(mpv_handle* mpv, const char* name);
std::optional<bool> getFlag(mpv_handle* mpv, const char* name);
std::optional<QByteArray> getString(mpv_handle* mpv, const char* name);

void setDouble(mpv_handle* mpv, const char* name, double value);
void setInt(mpv_handle* mpv, const char* name, std::int64_t value);
void setFlag(mpv_handle* mpv, const char* name, bool value);
void setString(mpv_handle* mpv, const char* name, const QByteArray& value);

void command(mpv_handle* mpv, std::initializer_list<QByteArray> arguments);

// mpv's volume (0 to 100, cubic) for a level in hundredths of a decibel, 0 dB the loudest.
double volumeLevel(int hundredthsOfDb);

} // namespace kyvra::mpv
