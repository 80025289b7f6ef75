#pragma once

#include <optional>
#include <string>
#include <utility>

namespace kelo {

// Outcome of a core operation. The core never throws across its API and never
// shows anything: a failure travels back as a Status whose message is ready
// for the user (it names the file and the line where one is involved).
class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !message_.has_value(); }
  explicit operator bool() const { return ok(); }
  // Empty when ok().
  const std::string& message() const;

 private:
  Status() = default;
  explicit Status(std::string message) : message_(std::move(message)) {}
  std::optional<std::string> message_;
};

// A value or the Status that explains why there is none.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)), status_(Status::Ok()) {}  // NOLINT: implicit by design
  Result(Status error) : status_(std::move(error)) {}                 // NOLINT: implicit by design

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const Status& status() const { return status_; }
  const std::string& message() const { return status_.message(); }

  // Precondition: ok().
  T& value() & { return *value_; }
  const T& value() const& { return *value_; }
  T&& value() && { return std::move(*value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() & { return *value_; }
  const T& operator*() const& { return *value_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace kelo
