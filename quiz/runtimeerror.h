// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <string>

namespace quiz {

// An error that no handler catches: it carries the number and description
// that the program's error report shows before the program ends.
class RuntimeError : public std::exception
{
public:
    enum class Kind { Overflow = 6, FloatingPoint = 11 };

    explicit RuntimeError(Kind kind);

    Kind kind() const { return m_kind; }
    int number() const { return int(m_kind); }
    QString description() const;
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    Kind m_kind;
    std::string m_what;
};

} // namespace quiz
