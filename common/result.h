#pragma once

#include <string>
#include <utility>
#include <variant>

namespace rvx {

// What went wrong, in words a person can act on (already in the interface language when shown).
struct Error {
    std::string message;
};

// A value or the reason there is none. Core functions return this instead of throwing.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
    Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit by design

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<Error>(state_); }

private:
    std::variant<T, Error> state_;
};

struct Done {};
// Success without a value.
using Status = Result<Done>;

inline Status ok() { return Done{}; }
inline Error fail(std::string message) { return Error{std::move(message)}; }

}  // namespace rvx
