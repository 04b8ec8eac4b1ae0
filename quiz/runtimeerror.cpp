// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/runtimeerror.h"

#include <QCoreApplication>

namespace quiz {

RuntimeError::RuntimeError(Kind kind) : m_kind(kind), m_what(description().toStdString())
{
}

QString RuntimeError::description() const
{
    switch (m_kind) {
    case Kind::Overflow:
        return QCoreApplication::translate("quiz", "Overflow");
    case Kind::FloatingPoint:
        return QCoreApplication::translate("quiz", "Errore di calcolo in virgola mobile");
    }
    return QString();
}

} // namespace quiz
