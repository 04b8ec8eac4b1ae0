// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <numeric>
#include <optional>

// Exact arithmetic on the printed expressions of a worked solution, for
// checking each of its equations without trusting the program's numbers.

inline const QStringList equationLetters{"BH", "HC", "AB", "AC", "BC", "AH"};

// An exact fraction; every number of a worked solution is one.
struct Exact
{
    qint64 num = 0;
    qint64 den = 1;

    Exact reduced() const
    {
        const qint64 g = std::gcd(num, den);
        return g ? Exact{num / g, den / g} : *this;
    }
    friend bool operator==(Exact a, Exact b) { return a.num * b.den == b.num * a.den; }
};

inline Exact operator+(Exact a, Exact b) { return Exact{a.num * b.den + b.num * a.den, a.den * b.den}.reduced(); }
inline Exact operator-(Exact a, Exact b) { return a + Exact{-b.num, b.den}; }
inline Exact operator*(Exact a, Exact b) { return Exact{a.num * b.num, a.den * b.den}.reduced(); }
inline Exact operator/(Exact a, Exact b) { return Exact{a.num * b.den, a.den * b.num}.reduced(); }

inline std::optional<qint64> root(qint64 v)
{
    const auto r = qint64(std::llround(std::sqrt(double(v))));
    return r * r == v ? std::optional(r) : std::nullopt;
}

// Evaluates "21² + 28²", "√1225", "AB² / BC" (letters by the triangle's
// exact lengths); nothing when the text is not such an expression or a root
// is not exact.
class Evaluator
{
public:
    Evaluator(const QString &text, const std::array<qint64, 6> &exact) : m_s(text), m_exact(exact) {}

    std::optional<Exact> run()
    {
        auto v = sum();
        skipBlanks();
        return m_at == m_s.size() ? v : std::nullopt;
    }

private:
    void skipBlanks()
    {
        while (m_at < m_s.size() && m_s[m_at] == u' ')
            ++m_at;
    }
    bool take(QChar c)
    {
        skipBlanks();
        if (m_at < m_s.size() && m_s[m_at] == c)
            return ++m_at, true;
        return false;
    }
    std::optional<Exact> sum()
    {
        auto v = product();
        while (v) {
            if (take(u'+')) {
                auto w = product();
                v = w ? std::optional(*v + *w) : std::nullopt;
            } else if (take(u'−')) {
                auto w = product();
                v = w ? std::optional(*v - *w) : std::nullopt;
            } else
                break;
        }
        return v;
    }
    std::optional<Exact> product()
    {
        auto v = factor();
        while (v) {
            if (take(u'×')) {
                auto w = factor();
                v = w ? std::optional(*v * *w) : std::nullopt;
            } else if (take(u'/')) {
                auto w = factor();
                v = w && w->num ? std::optional(*v / *w) : std::nullopt;
            } else
                break;
        }
        return v;
    }
    std::optional<Exact> factor()
    {
        if (take(u'√')) {
            auto v = factor();
            if (!v)
                return v;
            const auto n = root(v->num), d = root(v->den);
            return n && d ? std::optional(Exact{*n, *d}) : std::nullopt;
        }
        auto v = atom();
        if (v && take(u'²'))
            v = *v * *v;
        return v;
    }
    std::optional<Exact> atom()
    {
        skipBlanks();
        const qsizetype start = m_at;
        if (m_at + 1 < m_s.size() && m_s[m_at].isUpper() && m_s[m_at + 1].isUpper()) {
            m_at += 2;
            const auto i = equationLetters.indexOf(m_s.mid(start, 2));
            if (i < 0)
                return std::nullopt;
            m_used |= 1 << i;
            return Exact{m_exact[size_t(i)], 100}.reduced();
        }
        while (m_at < m_s.size() && (m_s[m_at].isDigit() || m_s[m_at] == u','))
            ++m_at;
        const QStringList parts = m_s.mid(start, m_at - start).split(u',');
        if (parts[0].isEmpty() || parts.size() > 2)
            return std::nullopt;
        const QString fraction = parts.size() > 1 ? parts[1] : QString();
        return Exact{(parts[0] + fraction).toLongLong(), qint64(std::pow(10, fraction.size()))}.reduced();
    }

public:
    int used() const { return m_used; }

private:
    QString m_s;
    const std::array<qint64, 6> &m_exact;
    qsizetype m_at = 0;
    int m_used = 0;
};

