// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/randomsource.h"

#include <QRandomGenerator>

#include <bit>

namespace quiz {
namespace {

constexpr quint64 golden = 0x9E3779B97F4A7C15ull;

quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

MixingRandomSource MixingRandomSource::fromEntropy()
{
    return MixingRandomSource(QRandomGenerator::system()->generate64());
}

void MixingRandomSource::reseed(double seed)
{
    m_state = mix(m_state ^ mix(std::bit_cast<quint64>(seed + 0.0) + golden));
}

float MixingRandomSource::next()
{
    m_state += golden;
    // The top 24 bits fill a float's significand exactly, so u stays below 1.
    return float(mix(m_state) >> 40) * 0x1.0p-24f;
}

} // namespace quiz
