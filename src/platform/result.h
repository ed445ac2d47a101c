#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace tavelo {

// A failure that a caller can show to a person: what went wrong, in words.
struct Error {
  QString message;
};

// A value or an Error. Storage returns these; only screens turn errors into messages.
template <typename T>
class Result {
 public:
  Result(T value) : data_(std::move(value)) {}      // NOLINT(google-explicit-constructor)
  Result(Error error) : data_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  [[nodiscard]] bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }
  [[nodiscard]] const T& value() const& { return std::get<T>(data_); }
  [[nodiscard]] T& value() & { return std::get<T>(data_); }
  [[nodiscard]] T&& value() && { return std::get<T>(std::move(data_)); }
  [[nodiscard]] const Error& error() const { return std::get<Error>(data_); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

 private:
  std::variant<T, Error> data_;
};

// For operations that return nothing on success.
using Status = std::optional<Error>;

}  // namespace tavelo
