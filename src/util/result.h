// Result<T>: the value of an operation on outside data (a file, an archive entry, a script), or
// the reason it failed. Broken invariants are assertions instead; see the README.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace util {

enum class ErrorCode {
  NotFound,     // no such file, entry, name or function
  Locked,       // the file is held exclusively by another process
  Malformed,    // the data is there but does not follow its format
  Io,           // reading or writing failed
  Unsupported,  // a valid input that this program does not handle
};

struct Error {
  ErrorCode code;
  std::string message;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() {
    assert(ok());
    return std::get<0>(state_);
  }
  const T& value() const {
    assert(ok());
    return std::get<0>(state_);
  }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  const Error& error() const {
    assert(!ok());
    return std::get<1>(state_);
  }

 private:
  std::variant<T, Error> state_;
};

// Result of an operation that yields nothing but success or an error.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), ok_(false) {}

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& error() const {
    assert(!ok_);
    return error_;
  }

 private:
  Error error_{ErrorCode::Io, {}};
  bool ok_ = true;
};

using Status = Result<void>;

inline Error makeError(ErrorCode code, std::string message) {
  return Error{code, std::move(message)};
}

}  // namespace util
