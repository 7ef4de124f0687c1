// Watches the X server for top-level windows: the moment one with a given title is mapped, the
// moments something is first and last drawn into it, and the moment it is gone again. Needs a
// server without a window manager (a bare Xvfb), where a program's top-level windows
// are children of the root window, and the DAMAGE extension for the drawing (Xvfb has it).
// Override-redirect windows count as well: Wine, told to manage its windows itself, maps its
// top-level windows so and draws their frames itself.
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace tbr::bench {

// Nanoseconds on CLOCK_MONOTONIC.
std::int64_t MonotonicNs();

enum class WaitOutcome { kSeen, kTimedOut, kGaveUp, kServerLost, kUnsupported };

// Every event is stamped when the watch takes it from the connection.
struct MappedWindow {
    xcb_window_t id = XCB_NONE;
    std::int64_t mapped_ns = 0;
};

class WindowWatch {
  public:
    // Connects to $DISPLAY and listens to the root window's children. Nothing (and a reason in
    // *error) when there is no server.
    static std::unique_ptr<WindowWatch> Connect(std::string* error);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Waits until a top-level window titled `title` is mapped. A window that names its process
    // (_NET_WM_PID) must name `pid`. Between events `keep_waiting` is asked about every 20 ms
    // (false: the program has exited); kGaveUp then, kTimedOut at `deadline_ns`.
    WaitOutcome waitForMap(const std::string& title, pid_t pid, std::int64_t deadline_ns,
                           const std::function<bool()>& keep_waiting, MappedWindow* seen);

    // Waits until something has been drawn into `window` (the first damage the server reports
    // for it; the watch asks for such reports as soon as a top-level window is created).
    // kUnsupported without the DAMAGE extension.
    WaitOutcome waitForDraw(xcb_window_t window, std::int64_t deadline_ns, std::int64_t* drawn_ns);

    // After waitForDraw: waits until nothing has been drawn into `window` for quiet_ns and tells
    // when it was last drawn into. A program may draw its window in several steps (Wine sends
    // the frame and background before the controls' content); this is when the last step
    // arrived. kTimedOut when the window is still being drawn at deadline_ns.
    WaitOutcome waitForStill(xcb_window_t window, std::int64_t quiet_ns, std::int64_t deadline_ns,
                             std::int64_t* last_drawn_ns);

    // Waits until `window` has been destroyed (its program has ended and the server has
    // cleaned up), so that runs do not overlap.
    WaitOutcome waitForDestroy(xcb_window_t window, std::int64_t deadline_ns);

    // The window's size as the server has it; 0 x 0 when it cannot be asked.
    void size(xcb_window_t window, int* width, int* height);

  private:
    explicit WindowWatch(xcb_connection_t* connection);
    xcb_atom_t atom(const char* name);
    bool enableDamage();
    std::string title(xcb_window_t window);
    long ownerPid(xcb_window_t window);
    // Takes the next event, waiting at most until deadline_ns in 20 ms slices, and notes what
    // it tells. False on time-out, a lost server or when `keep_waiting` says no (*outcome).
    bool pump(std::int64_t deadline_ns, const std::function<bool()>& keep_waiting,
              WaitOutcome* outcome);
    void note(const xcb_generic_event_t& event, std::int64_t stamp);

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t net_wm_name_ = XCB_NONE;
    xcb_atom_t net_wm_pid_ = XCB_NONE;
    bool damage_ = false;
    std::uint8_t damage_event_ = 0;
    // Window numbers come back when a later program gets the same range: entries end with
    // their window.
    std::deque<MappedWindow> mapped_;  // top-level windows mapped, not yet looked at
    struct Drawing {
        std::int64_t first_ns = 0;
        std::int64_t last_ns = 0;
    };
    std::unordered_map<xcb_window_t, Drawing> drawn_;
    std::unordered_set<xcb_window_t> destroyed_;
};

}  // namespace tbr::bench
