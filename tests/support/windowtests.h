// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// What the window tests share about the sheet.
namespace windowtests {

// The window's control of that name; a missing one ends the test run.
template <typename T = QWidget> T *controlOf(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline const QString designedCaption = QStringLiteral("Gioca  con i Solvetra");

// The six value labels of the figure.
inline const QStringList valueLabels{"Lblpro1", "Lblpro2",  "lblcat1",
                                     "Lblcat2", "lblipoeu", "Lblalt"};

// The label of the quantity each pick (1..6) asks for.
inline QString hiddenLabelOf(int pick)
{
    static const QStringList labels{"Lblalt",  "Lblpro2", "Lblpro1",
                                    "Lblpro1", "Lblpro2", "lblipoeu"};
    return labels.at(pick - 1);
}

} // namespace windowtests
