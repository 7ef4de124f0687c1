#pragma once

namespace tbr {

// The native window on whose behalf a shell call runs (an HWND on Windows; unused elsewhere).
struct WindowHandle {
    void* native = nullptr;
};

}  // namespace tbr
