#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <variant>

// Why an operation failed: a sentence for the user.
struct ResultError
{
    explicit ResultError(QString text)
        : text(std::move(text))
    {
    }

    QString text;
};

// What a reader or writer gives back: its value, or the sentence that says
// why it failed; Result<> carries no value. Test it like a bool and take the
// sentence of a failure from error().
//
// A result cannot be dropped unseen: where a failure is deliberately not
// reported, the caller writes std::ignore = ... with the reason beside it.
template<typename T = void> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(ResultError error)
        : m_state(std::in_place_index<1>, std::move(error.text))
    {
    }

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    const T &value() const &
    {
        Q_ASSERT(hasValue());
        return std::get<0>(m_state);
    }
    T &&value() &&
    {
        Q_ASSERT(hasValue());
        return std::get<0>(std::move(m_state));
    }
    const T &operator*() const & { return value(); }
    const T *operator->() const { return &value(); }

    // The value, or fallback for a failure that the caller need not report.
    T valueOr(T fallback) && { return hasValue() ? std::move(*this).value() : std::move(fallback); }

    const QString &error() const
    {
        Q_ASSERT(!hasValue());
        return std::get<1>(m_state);
    }

private:
    std::variant<T, QString> m_state;
};

template<> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(ResultError error)
        : m_error(std::move(error.text))
    {
    }

    bool hasValue() const { return !m_error; }
    explicit operator bool() const { return hasValue(); }

    const QString &error() const
    {
        Q_ASSERT(m_error);
        return *m_error;
    }

    // Of a run of operations that all go ahead, the first failure counts:
    // this result takes other's failure unless it failed already.
    void keepFirstFailure(Result<> other)
    {
        if (!m_error)
            m_error = std::move(other.m_error);
    }

private:
    std::optional<QString> m_error;
};

inline const Result<> ResultOk;
