#pragma once

#include <utility>
#include <variant>

namespace lumenar {

// A value or the error that kept it from being made. Errors are ordinary
// values here: modules hand them back, they never throw across a boundary.
template <class T, class E>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    static Result failure(E error) { return Result(std::in_place_index<1>, std::move(error)); }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const E& error() const { return std::get<1>(state_); }

    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

private:
    template <std::size_t I, class V>
    Result(std::in_place_index_t<I> tag, V&& v) : state_(tag, std::forward<V>(v)) {}

    std::variant<T, E> state_;
};

// The outcome of an operation that yields nothing but may fail.
template <class E>
class Status {
public:
    Status() = default;
    static Status failure(E error) {
        Status s;
        s.error_ = std::move(error);
        s.failed_ = true;
        return s;
    }
    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const E& error() const { return error_; }

private:
    E error_{};
    bool failed_ = false;
};

}  // namespace lumenar
