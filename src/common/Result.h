#pragma once

// Standard C++ only: the compiler library builds with it too.

#include <string>
#include <utility>
#include <variant>

namespace vantoro {

// Why an operation gave no value: a sentence for the user, naming the file and the reason
// where there is one. Empty only where nothing needs to be said (a choice the user made).
struct CError {
    std::string Message;
};

// The failure every CResult converts from: `return Fail("...")`.
inline CError Fail(std::string message) {
    return CError{std::move(message)};
}

// What crosses the boundary between two layers: the value, or the reason there is none.
// C++20 has no std::expected; this is the part of it we use.
template <class T>
class [[nodiscard]] CResult {
public:
    CResult(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    CResult(CError error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool Ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // Only when Ok().
    const T& Value() const& { return std::get<0>(m_state); }
    T& Value() & { return std::get<0>(m_state); }
    T&& Value() && { return std::get<0>(std::move(m_state)); }
    const T& operator*() const& { return Value(); }
    T& operator*() & { return Value(); }
    const T* operator->() const { return &Value(); }
    T* operator->() { return &Value(); }

    // Only when not Ok().
    const std::string& Error() const { return std::get<1>(m_state).Message; }

private:
    std::variant<T, CError> m_state;
};

// An operation that either happened or says why not.
template <>
class [[nodiscard]] CResult<void> {
public:
    CResult() = default;
    CResult(CError error) : m_failed(true), m_error(std::move(error.Message)) {}

    bool Ok() const { return !m_failed; }
    explicit operator bool() const { return Ok(); }
    const std::string& Error() const { return m_error; }

private:
    bool m_failed = false;
    std::string m_error;
};

}  // namespace vantoro
