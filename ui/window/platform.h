// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// What the window asks of the desktop beyond its own widgets; tests hand it
// a fake.
class Platform
{
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // Starts a calculator without waiting; false when none could be started.
    virtual bool startCalculator() = 0;
    // Ends the program at once with the given exit status.
    virtual void endProgram(int exitStatus) = 0;
};

// The calculators tried, in order.
QStringList calculatorCandidates();

// The first candidate found on the PATH, or an empty text.
QString findProgram(const QStringList &candidates);

class DesktopPlatform final : public Platform
{
public:
    void beep() override;
    bool startCalculator() override;
    void endProgram(int exitStatus) override;
};

} // namespace ui
