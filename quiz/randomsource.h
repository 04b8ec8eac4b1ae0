// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace quiz {

// A uniform pseudo-random source that can be reseeded from a number.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(double seed) = 0;
    // Next value u, 0 <= u < 1.
    virtual float next() = 0;
};

// SplitMix64. A reseed mixes the number into the current state rather than
// restarting the sequence, so two problems reseeded from the same clock
// reading still get independent draws.
class MixingRandomSource final : public RandomSource
{
public:
    explicit MixingRandomSource(quint64 state) : m_state(state) {}
    static MixingRandomSource fromEntropy();

    void reseed(double seed) override;
    float next() override;

private:
    quint64 m_state;
};

} // namespace quiz
