// Errors travel as values between the OS-facing code (document/, shell/) and the behaviour
// (app/, wizard/), which decides which message box the user sees.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tbr {

// An operating-system failure: the OS error number (errno on POSIX, the system error code on
// Windows), its description, and where it was raised.
struct OsError {
    int code = 0;
    std::string message;
    std::string source;
};

// Success, or the error of the step that failed.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(OsError error)
        : error_(std::move(error)), failed_(true) {}  // NOLINT: implicit on purpose

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const OsError& error() const { return error_; }

  private:
    OsError error_;
    bool failed_ = false;
};

// A value, or the error that prevented it.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : v_(std::move(value)) {}        // NOLINT: implicit on purpose
    Result(OsError error) : v_(std::move(error)) {}  // NOLINT: implicit on purpose

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    const OsError& error() const { return std::get<1>(v_); }

  private:
    std::variant<T, OsError> v_;
};

}  // namespace tbr
