#pragma once
// What a call that can fail hands back: that it worked (with its value, if it has one), or why it
// did not, in words fit to show a person. Library code never prints a failure; it hands it up,
// and the program at the top decides what to show. Both types are [[nodiscard]], so a result
// that is dropped on purpose says so with IgnoreError().

#include <optional>
#include <string>
#include <utility>

namespace pz417 {

class [[nodiscard]] Status {
 public:
  Status() = default;  // it worked

  static Status Failed(std::string why) {
    Status status;
    status.failed_ = true;
    status.why_ = std::move(why);
    return status;
  }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  // Why it failed; empty when it worked.
  const std::string& error() const { return why_; }
  // For a caller that goes on whatever happened, and says so.
  void IgnoreError() const {}

 private:
  bool failed_ = false;
  std::string why_;
};

inline Status Failure(std::string why) {
  return Status::Failed(std::move(why));
}

// A value, or why there is none.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: a value converts, as a return
  // From a failure; a Status that worked would leave no value, so it counts as a failure too.
  Result(Status failure)  // NOLINT: a failure converts, as a return
      : status_(failure.ok() ? Failure("no value") : std::move(failure)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return status_.error(); }
  const Status& status() const { return status_; }
  void IgnoreError() const {}

  // Only when ok().
  T& operator*() & { return *value_; }
  const T& operator*() const& { return *value_; }
  T&& operator*() && { return *std::move(value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T value_or(T fallback) const& { return value_.value_or(std::move(fallback)); }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace pz417
