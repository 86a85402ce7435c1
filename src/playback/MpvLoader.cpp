#include "playback/MpvLoader.h"

#include "core/FileNames.h"
#include "playback/MpvProperties.h"

#include <QDeadlineTimer>
#include <mpv/client.h>

namespace kyvra {

namespace {

// A file that has not opened by then is treated as broken rather than left to hang the caller.
constexpr int openTimeoutMs = 10000;

} // namespace

MpvLoader::MpvLoader(mpv_handle* core) : client_(mpv_create_client(core, "loader")) {
    if (!client_)
        throw mpv::error(MPV_ERROR_NOMEM);
    // Ids that are not events are refused by mpv; trying them costs nothing.
    for (int id = MPV_EVENT_SHUTDOWN + 1; id < 64; ++id)
        mpv_request_event(client_, static_cast<mpv_event_id>(id), 0);
    for (mpv_event_id id : {MPV_EVENT_START_FILE, MPV_EVENT_FILE_LOADED, MPV_EVENT_END_FILE})
        mpv_request_event(client_, id, 1);
}

MpvLoader::~MpvLoader() {
    mpv_destroy(client_);
}

std::int64_t MpvLoader::open(const QString& path) {
    discardPendingEvents();
    // An absolute path starts with "/", so mpv never takes a file name for a protocol or URL.
    // The file system's own bytes: a name that is not UTF-8 still opens.
    const QByteArray target = pathBytes(absolutePath(path));
    // A folder would turn into a playlist and a pipe would hold the open until the time-out.
    if (const FileKind kind = fileKind(path); kind == FileKind::Folder || kind == FileKind::Other)
        throw mpv::error(MPV_ERROR_UNKNOWN_FORMAT);
    mpv::command(client_, {"loadfile", target, "replace"});

    std::int64_t entry = -1;
    const QDeadlineTimer deadline(openTimeoutMs);
    while (!deadline.hasExpired()) {
        const mpv_event* event = mpv_wait_event(client_, deadline.remainingTime() / 1000.0);
        switch (event->event_id) {
        case MPV_EVENT_START_FILE:
            if (entry < 0)
                entry = static_cast<mpv_event_start_file*>(event->data)->playlist_entry_id;
            break;
        case MPV_EVENT_FILE_LOADED:
            if (entry >= 0)
                return entry;
            break;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<mpv_event_end_file*>(event->data);
            if (entry < 0 || end->playlist_entry_id != entry)
                break; // the media this load replaced
            if (end->reason == MPV_END_FILE_REASON_ERROR)
                throw mpv::error(end->error);
            // A directory or a playlist turns into other entries; only a media file is wanted.
            abandon();
            throw mpv::error(MPV_ERROR_UNKNOWN_FORMAT);
        }
        case MPV_EVENT_SHUTDOWN:
            throw mpv::error(MPV_ERROR_LOADING_FAILED);
        default:
            break;
        }
    }
    abandon();
    throw mpv::error(MPV_ERROR_LOADING_FAILED);
}

void MpvLoader::discardPendingEvents() {
    while (mpv_wait_event(client_, 0)->event_id != MPV_EVENT_NONE) {
    }
}

void MpvLoader::abandon() {
    mpv_command_string(client_, "stop");
}

} // namespace kyvra
