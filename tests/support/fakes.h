// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/clock.h"
#include "quiz/randomsource.h"

#include <QDateTime>
#include <QList>

#include <utility>

// A clock that says what the test tells it.
class FakeClock final : public quiz::Clock
{
public:
    mutable QTime now = QTime(10, 0, 0);
    mutable QDate today = QDate(2026, 12, 8);
    // Where the clock moves on to after each reading, in turn; once they are
    // used up it stands still.
    mutable QList<QDateTime> later;

    QDateTime dateTime() const override
    {
        const QDateTime reading(today, now);
        moveOn();
        return reading;
    }

private:
    void moveOn() const
    {
        if (later.isEmpty())
            return;
        now = later.first().time();
        today = later.first().date();
        later.removeFirst();
    }
};

// Hands out the values the test lists, in turn (the last one repeats), and
// records every reseed.
class ScriptedRandom final : public quiz::RandomSource
{
public:
    explicit ScriptedRandom(QList<float> values = {0.5f}) : m_values(std::move(values)) {}

    void reseed(double seed) override { reseeds.append(seed); }
    float next() override
    {
        const float u = m_values.at(std::min<qsizetype>(m_next, m_values.size() - 1));
        ++m_next;
        return u;
    }

    QList<double> reseeds;

private:
    QList<float> m_values;
    qsizetype m_next = 0;
};
