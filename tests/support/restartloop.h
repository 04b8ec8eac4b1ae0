// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/liveheap.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QWidget>

// The restart loop that the memory test and the restart benchmark share:
// "Nuovo gioco" again and again, the live heap sampled along the way.
namespace restartloop {

inline constexpr int warmUp = 200;
inline constexpr int rounds = 1200;
inline constexpr long long allowedGrowth = 64 * 1024;

// Lets the window paint and the old controls go.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The restart the menu command makes.
inline void restart(QWidget *window)
{
    window->findChild<QMenuBar *>()->findChild<QAction *>(QStringLiteral("new"))->trigger();
}

// Runs round() rounds times; sample(i, bytes) sees the live heap every 100
// rounds. Returns the growth from the warm-up to the end.
template <typename Round, typename Sample> long long growthAfterWarmUp(Round round, Sample sample)
{
    long long atWarmUp = 0;
    for (int i = 1; i <= rounds; ++i) {
        round();
        settle();
        if (i == warmUp)
            atWarmUp = liveheap::bytes();
        if (i % 100 == 0)
            sample(i, liveheap::bytes());
    }
    return liveheap::bytes() - atWarmUp;
}

} // namespace restartloop
