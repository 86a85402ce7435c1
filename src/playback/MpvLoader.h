#pragma once

#include <QString>
#include <cstdint>

struct mpv_handle;

namespace kyvra {

// Opens media synchronously for the caller while the core keeps running. It works on a client
// handle of its own that hears only about files starting, loading and ending, so waiting here
// never takes events away from the engine's own handle.
class MpvLoader {
public:
    explicit MpvLoader(mpv_handle* core);
    ~MpvLoader();
    MpvLoader(const MpvLoader&) = delete;
    MpvLoader& operator=(const MpvLoader&) = delete;

    // Replaces the current media with the file at path and returns its playlist entry id once
    // it is open (tracks, size and duration known). Throws AppError with mpv's code and text
    // when it cannot be opened; the core is then left with nothing loaded.
    std::int64_t open(const QString& path);

private:
    void discardPendingEvents();
    void abandon();

    mpv_handle* client_;
};

} // namespace kyvra
