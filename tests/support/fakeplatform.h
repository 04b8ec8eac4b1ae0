// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window/platform.h"

#include <QList>

// Records what the window asks of the desktop.
class FakePlatform final : public ui::Platform
{
public:
    bool calculatorAvailable = true;
    int beeps = 0;
    int calculatorsStarted = 0;
    QList<int> endings;        // exit statuses, in order
    QString savedFile;         // the answer to the next save dialog; empty cancels
    QStringList savesProposed; // what each save dialog proposed

    void beep() override { ++beeps; }
    bool startCalculator() override
    {
        calculatorsStarted += calculatorAvailable;
        return calculatorAvailable;
    }
    void endProgram(int exitStatus) override { endings.append(exitStatus); }
    QString chooseFileToSave(QWidget *, const QString &, const QString &suggested,
                             const QString &) override
    {
        savesProposed.append(suggested);
        return savedFile;
    }
};
