// libmpv, loaded when mpv is first needed rather than when the program starts: with FFmpeg and
// the rest it brings, loading it takes about as long as bringing up the whole Qt application.
// The program calls mpv's functions by their usual names; each one here finds its namesake in
// the library on first use.
#include "playback/MpvProperties.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <dlfcn.h>
#include <mpv/client.h>
#include <mpv/render.h>

namespace kyvra::mpv {
namespace {

struct Library {
    void* handle = nullptr;
    QString failure; // why it could not be loaded, kept for every later call
};

// KYVRA_LIBMPV names the library to load instead of the system's (another build of mpv, or in
// tests one that is not there).
const Library& library() {
    static const Library loaded = [] {
        const QByteArray chosen = qgetenv("KYVRA_LIBMPV");
        const QList<QByteArray> names =
            chosen.isEmpty() ? QList<QByteArray>{"libmpv.so.2", "libmpv.so"} : QList{chosen};
        Library library;
        // Lazily bound: of the two hundred libraries FFmpeg brings, those not linked to bind at
        // once then cost nothing until used, about a tenth of the load.
        for (const QByteArray& name : names) {
            if ((library.handle = dlopen(name.constData(), RTLD_LAZY | RTLD_LOCAL)))
                return library;
            library.failure = QString::fromLocal8Bit(dlerror());
        }
        return library;
    }();
    return loaded;
}

// The library's function of that name; throws when there is none.
template <typename Function> Function* resolve(const char* name) {
    const Library& loaded = library();
    void* function = loaded.handle ? dlsym(loaded.handle, name) : nullptr;
    if (!function)
        throw AppError(MPV_ERROR_GENERIC, QStringLiteral("libmpv could not be loaded: %1")
                                              .arg(loaded.handle ? QString::fromLocal8Bit(dlerror())
                                                                 : loaded.failure));
    return reinterpret_cast<Function*>(function);
}

} // namespace
} // namespace kyvra::mpv

#define KYVRA_MPV_FORWARD(result, name, parameters, arguments)                                     \
    extern "C" result name parameters {                                                            \
        static auto* const function = kyvra::mpv::resolve<decltype(::name)>(#name);                \
        return function arguments;                                                                 \
    }

KYVRA_MPV_FORWARD(const char*, mpv_error_string, (int error), (error))
KYVRA_MPV_FORWARD(void, mpv_free, (void* data), (data))
KYVRA_MPV_FORWARD(mpv_handle*, mpv_create, (), ())
KYVRA_MPV_FORWARD(int, mpv_initialize, (mpv_handle * ctx), (ctx))
KYVRA_MPV_FORWARD(void, mpv_destroy, (mpv_handle * ctx), (ctx))
KYVRA_MPV_FORWARD(void, mpv_terminate_destroy, (mpv_handle * ctx), (ctx))
KYVRA_MPV_FORWARD(mpv_handle*, mpv_create_client, (mpv_handle * ctx, const char* name), (ctx, name))
KYVRA_MPV_FORWARD(int, mpv_set_option_string,
                  (mpv_handle * ctx, const char* name, const char* data), (ctx, name, data))
KYVRA_MPV_FORWARD(int, mpv_command, (mpv_handle * ctx, const char** args), (ctx, args))
KYVRA_MPV_FORWARD(int, mpv_command_string, (mpv_handle * ctx, const char* args), (ctx, args))
KYVRA_MPV_FORWARD(int, mpv_set_property,
                  (mpv_handle * ctx, const char* name, mpv_format format, void* data),
                  (ctx, name, format, data))
KYVRA_MPV_FORWARD(int, mpv_get_property,
                  (mpv_handle * ctx, const char* name, mpv_format format, void* data),
                  (ctx, name, format, data))
KYVRA_MPV_FORWARD(char*, mpv_get_property_string, (mpv_handle * ctx, const char* name), (ctx, name))
KYVRA_MPV_FORWARD(int, mpv_observe_property,
                  (mpv_handle * mpv, uint64_t reply_userdata, const char* name, mpv_format format),
                  (mpv, reply_userdata, name, format))
KYVRA_MPV_FORWARD(int, mpv_request_event, (mpv_handle * ctx, mpv_event_id event, int enable),
                  (ctx, event, enable))
KYVRA_MPV_FORWARD(mpv_event*, mpv_wait_event, (mpv_handle * ctx, double timeout), (ctx, timeout))
KYVRA_MPV_FORWARD(void, mpv_set_wakeup_callback, (mpv_handle * ctx, void (*cb)(void* d), void* d),
                  (ctx, cb, d))
KYVRA_MPV_FORWARD(int, mpv_render_context_create,
                  (mpv_render_context * *res, mpv_handle* mpv, mpv_render_param* params),
                  (res, mpv, params))
KYVRA_MPV_FORWARD(void, mpv_render_context_set_update_callback,
                  (mpv_render_context * ctx, mpv_render_update_fn callback, void* callback_ctx),
                  (ctx, callback, callback_ctx))
KYVRA_MPV_FORWARD(int, mpv_render_context_render,
                  (mpv_render_context * ctx, mpv_render_param* params), (ctx, params))
KYVRA_MPV_FORWARD(uint64_t, mpv_render_context_update, (mpv_render_context * ctx), (ctx))
KYVRA_MPV_FORWARD(void, mpv_render_context_report_swap, (mpv_render_context * ctx), (ctx))
KYVRA_MPV_FORWARD(void, mpv_render_context_free, (mpv_render_context * ctx), (ctx))
