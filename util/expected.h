// SPDX-License-Identifier: GPL-3.0-or-later
// The one result type of everything that can fail with a message: a value, or a text saying
// what went wrong (naming the file where there is one). Shaped like std::expected<T, QString>
// so that it can become that once the compilers the project builds with all have it.
//
//   Expected<QVariant> read = readPropertyListFile(path);
//   if (!read) return Unexpected(read.error());
//   use(*read);
#pragma once

#include <QString>

#include <type_traits>
#include <utility>
#include <variant>

/// The error side of an Expected, as std::unexpected.
template<typename E>
class Unexpected
{
public:
    explicit Unexpected(E error)
        : m_error(std::move(error))
    {}
    [[nodiscard]] const E &error() const & { return m_error; }
    [[nodiscard]] E &&error() && { return std::move(m_error); }

private:
    E m_error;
};

template<typename T>
class Expected
{
public:
    using value_type = T;
    using error_type = QString;

    // Anything a T can be made of converts, as with std::expected.
    template<typename U = T>
    requires(
        std::is_constructible_v<
            T,
            U &&> && !std::is_same_v<std::remove_cvref_t<U>, Expected> && !std::is_same_v<std::remove_cvref_t<U>, Unexpected<QString>>)
        Expected(U &&value)
        : m_state(std::in_place_index<0>, std::forward<U>(value))
    {}
    Expected(Unexpected<QString> error)
        : m_state(std::in_place_index<1>, std::move(error).error())
    {}

    [[nodiscard]] bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    /// Only with has_value().
    [[nodiscard]] const T &value() const & { return std::get<0>(m_state); }
    [[nodiscard]] T &value() & { return std::get<0>(m_state); }
    [[nodiscard]] T &&value() && { return std::get<0>(std::move(m_state)); }
    [[nodiscard]] const T &operator*() const & { return value(); }
    [[nodiscard]] T &operator*() & { return value(); }
    [[nodiscard]] const T *operator->() const { return &value(); }
    [[nodiscard]] T *operator->() { return &value(); }
    template<typename U>
    [[nodiscard]] T value_or(U &&fallback) const &
    {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

    /// Only without has_value().
    [[nodiscard]] const QString &error() const & { return std::get<1>(m_state); }

private:
    std::variant<T, QString> m_state;
};

/// Success without a value, or the message of a failure.
template<>
class Expected<void>
{
public:
    using value_type = void;
    using error_type = QString;

    Expected() = default;
    Expected(Unexpected<QString> error)
        : m_error(std::move(error).error())
        , m_failed(true)
    {}

    [[nodiscard]] bool has_value() const { return !m_failed; }
    explicit operator bool() const { return has_value(); }
    /// Only without has_value().
    [[nodiscard]] const QString &error() const & { return m_error; }

private:
    QString m_error;
    bool m_failed = false;
};
