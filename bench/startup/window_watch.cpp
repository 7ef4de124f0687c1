#include "window_watch.h"

#include <poll.h>
#include <time.h>
#include <xcb/damage.h>

#include <cstdlib>
#include <cstring>

namespace tbr::bench {
namespace {

constexpr std::int64_t kSliceNs = 20'000'000;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

}  // namespace

std::int64_t MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::unique_ptr<WindowWatch> WindowWatch::Connect(std::string* error) {
    int screen_number = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screen_number);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        *error = "cannot connect to the X server (is DISPLAY set?)";
        return nullptr;
    }
    std::unique_ptr<WindowWatch> watch(new WindowWatch(connection));
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen_number && it.rem > 0; ++i) {
        xcb_screen_next(&it);
    }
    if (it.rem == 0) {
        *error = "the X server has no such screen";
        return nullptr;
    }
    watch->root_ = it.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection, watch->root_, XCB_CW_EVENT_MASK, &mask);
    if (Reply<xcb_generic_error_t> failure{xcb_request_check(connection, cookie)}) {
        *error = "cannot listen to the root window";
        return nullptr;
    }
    watch->net_wm_name_ = watch->atom("_NET_WM_NAME");
    watch->net_wm_pid_ = watch->atom("_NET_WM_PID");
    watch->damage_ = watch->enableDamage();
    return watch;
}

WindowWatch::WindowWatch(xcb_connection_t* connection) : connection_(connection) {}

WindowWatch::~WindowWatch() {
    xcb_disconnect(connection_);
}

xcb_atom_t WindowWatch::atom(const char* name) {
    const auto length = static_cast<std::uint16_t>(std::strlen(name));
    Reply<xcb_intern_atom_reply_t> reply{
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, length, name), nullptr)};
    return reply ? reply->atom : XCB_NONE;
}

bool WindowWatch::enableDamage() {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection_, &xcb_damage_id);
    if (extension == nullptr || extension->present == 0) {
        return false;
    }
    Reply<xcb_damage_query_version_reply_t> version{xcb_damage_query_version_reply(
        connection_,
        xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr)};
    if (!version) {
        return false;
    }
    damage_event_ = extension->first_event;
    return true;
}

// _NET_WM_NAME (UTF-8), else the ICCCM WM_NAME.
std::string WindowWatch::title(xcb_window_t window) {
    const xcb_atom_t names[] = {net_wm_name_, XCB_ATOM_WM_NAME};
    for (const xcb_atom_t name : names) {
        if (name == XCB_NONE) {
            continue;
        }
        Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr)};
        if (reply && reply->format == 8 && reply->type != XCB_NONE) {
            const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
            return std::string(
                text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        }
    }
    return {};
}

long WindowWatch::ownerPid(xcb_window_t window) {
    if (net_wm_pid_ == XCB_NONE) {
        return -1;
    }
    Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, net_wm_pid_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4) {
        return -1;
    }
    return static_cast<long>(
        *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())));
}

void WindowWatch::size(xcb_window_t window, int* width, int* height) {
    *width = *height = 0;
    Reply<xcb_get_geometry_reply_t> reply{
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr)};
    if (reply) {
        *width = reply->width;
        *height = reply->height;
    }
}

void WindowWatch::note(const xcb_generic_event_t& event, std::int64_t stamp) {
    const int type = event.response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        const auto& create = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        if (create.parent == root_) {
            destroyed_.erase(create.window);
            if (damage_) {
                // Before the program can draw: it maps the window first and draws when told
                // that it is exposed.
                xcb_damage_create(connection_, xcb_generate_id(connection_), create.window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            }
        }
    } else if (type == XCB_MAP_NOTIFY) {
        const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        if (map.event == root_) {
            mapped_.push_back({map.window, stamp});
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        const auto& destroy = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
        if (destroy.event == root_) {
            destroyed_.insert(destroy.window);
            drawn_.erase(destroy.window);
        }
    } else if (damage_ && type == damage_event_ + XCB_DAMAGE_NOTIFY) {
        // The damage object goes with its window. Emptying it after each report makes the
        // server report the next drawing as well.
        const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        Drawing& drawing = drawn_[damage.drawable];
        if (drawing.first_ns == 0) {
            drawing.first_ns = stamp;
        }
        drawing.last_ns = stamp;
        xcb_damage_subtract(connection_, damage.damage, XCB_NONE, XCB_NONE);
        xcb_flush(connection_);
    }
}

bool WindowWatch::pump(std::int64_t deadline_ns, const std::function<bool()>& keep_waiting,
                       WaitOutcome* outcome) {
    for (;;) {
        if (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            note(*event, MonotonicNs());
            return true;
        }
        if (xcb_connection_has_error(connection_) != 0) {
            *outcome = WaitOutcome::kServerLost;
            return false;
        }
        if (keep_waiting && !keep_waiting()) {
            *outcome = WaitOutcome::kGaveUp;
            return false;
        }
        const std::int64_t left = deadline_ns - MonotonicNs();
        if (left <= 0) {
            *outcome = WaitOutcome::kTimedOut;
            return false;
        }
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        const std::int64_t slice = left < kSliceNs ? left : kSliceNs;
        poll(&fd, 1, static_cast<int>(slice / 1'000'000) + 1);
    }
}

WaitOutcome WindowWatch::waitForMap(const std::string& wanted, pid_t pid, std::int64_t deadline_ns,
                                    const std::function<bool()>& keep_waiting, MappedWindow* seen) {
    WaitOutcome outcome = WaitOutcome::kTimedOut;
    do {
        while (!mapped_.empty()) {
            const MappedWindow candidate = mapped_.front();
            mapped_.pop_front();
            if (destroyed_.count(candidate.id) != 0 || title(candidate.id) != wanted) {
                continue;
            }
            const long owner = ownerPid(candidate.id);
            if (owner >= 0 && owner != pid) {
                continue;  // a leftover of another program with the same title
            }
            *seen = candidate;
            return WaitOutcome::kSeen;
        }
    } while (pump(deadline_ns, keep_waiting, &outcome));
    return outcome;
}

WaitOutcome WindowWatch::waitForDraw(xcb_window_t window, std::int64_t deadline_ns,
                                     std::int64_t* drawn_ns) {
    if (!damage_) {
        return WaitOutcome::kUnsupported;
    }
    WaitOutcome outcome = WaitOutcome::kTimedOut;
    do {
        if (const auto it = drawn_.find(window); it != drawn_.end()) {
            *drawn_ns = it->second.first_ns;
            return WaitOutcome::kSeen;
        }
    } while (pump(deadline_ns, {}, &outcome));
    return outcome;
}

WaitOutcome WindowWatch::waitForStill(xcb_window_t window, std::int64_t quiet_ns,
                                      std::int64_t deadline_ns, std::int64_t* last_drawn_ns) {
    if (!damage_ || drawn_.count(window) == 0) {
        return WaitOutcome::kUnsupported;
    }
    for (;;) {
        const std::int64_t last = drawn_[window].last_ns;
        const std::int64_t now = MonotonicNs();
        if (now - last >= quiet_ns) {
            *last_drawn_ns = last;
            return WaitOutcome::kSeen;
        }
        if (now >= deadline_ns) {
            return WaitOutcome::kTimedOut;
        }
        const std::int64_t until = last + quiet_ns < deadline_ns ? last + quiet_ns : deadline_ns;
        WaitOutcome outcome = WaitOutcome::kTimedOut;
        if (!pump(until, {}, &outcome) && outcome != WaitOutcome::kTimedOut) {
            return outcome;
        }
    }
}

WaitOutcome WindowWatch::waitForDestroy(xcb_window_t window, std::int64_t deadline_ns) {
    // Ask about the window once, in case it went before we started listening for its end.
    Reply<xcb_get_window_attributes_reply_t> alive{xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr)};
    WaitOutcome outcome = WaitOutcome::kTimedOut;
    bool gone = !alive;
    while (!gone && pump(deadline_ns, {}, &outcome)) {
        gone = destroyed_.count(window) != 0;
    }
    if (!gone) {
        return outcome;
    }
    mapped_.clear();  // nothing of this program may pass for the next one's
    drawn_.erase(window);
    return WaitOutcome::kSeen;
}

}  // namespace tbr::bench
