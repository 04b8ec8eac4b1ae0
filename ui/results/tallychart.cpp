// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/tallychart.h"

#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int barThickness = 18;
constexpr int gap = 6;
constexpr int uprightHeight = 160;
constexpr int leastColumnWidth = 26;

} // namespace

QColor rightColour()
{
    return QColor(0x2e, 0x7d, 0x32); // green, dark enough for white text beside it
}

QColor wrongColour()
{
    return QColor(0xc6, 0x28, 0x28);
}

TallyChart::TallyChart(Direction direction, QList<Bar> bars, QWidget *parent)
    : QWidget(parent), m_direction(direction), m_bars(std::move(bars)), m_top(gap),
      m_pitch(barThickness + gap)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TallyChart::setBars(QList<Bar> bars)
{
    m_bars = std::move(bars);
    updateGeometry();
    update();
}

void TallyChart::setScale(Scale scale)
{
    m_scale = scale;
    update();
}

void TallyChart::alignWithRows(int top, int pitch)
{
    m_top = top;
    m_pitch = std::max(pitch, barThickness / 2);
    updateGeometry();
}

QSize TallyChart::sizeHint() const
{
    const int count = int(m_bars.size());
    if (m_direction == Direction::Across)
        return {labelWidth() + 240, m_top + count * m_pitch};
    return {gap + count * (columnWidth() + gap), uprightHeight + 2 * fontMetrics().height()};
}

QSize TallyChart::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return {m_direction == Direction::Across ? labelWidth() + 80 : hint.width(), hint.height()};
}

int TallyChart::widestLabel() const
{
    int widest = 0;
    for (const Bar &bar : m_bars)
        widest = std::max(widest, fontMetrics().horizontalAdvance(bar.label));
    return widest;
}

int TallyChart::labelWidth() const
{
    return widestLabel() + 2 * gap;
}

int TallyChart::columnWidth() const
{
    return std::max(leastColumnWidth, widestLabel());
}

int TallyChart::mostAnswers() const
{
    int most = 1;
    for (const Bar &bar : m_bars)
        most = std::max(most, bar.tally.answers);
    return most;
}

void TallyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::WindowText));
    if (m_direction == Direction::Across)
        paintAcross(painter);
    else
        paintUpright(painter);
}

// A bar's length is its answers, or the room for its share; the right
// part comes first.
void TallyChart::paintAcross(QPainter &painter) const
{
    const int room = std::max(1, width() - labelWidth() - gap);
    const int thickness = std::min(barThickness, m_pitch - gap);
    int top = m_top + (m_pitch - thickness) / 2;
    for (const Bar &bar : m_bars) {
        const QRect label(0, top, labelWidth() - gap, thickness);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, bar.label);
        const double perAnswer =
            double(room) /
            (m_scale == Scale::Share ? std::max(1, bar.tally.answers) : mostAnswers());
        const int right = int(bar.tally.right * perAnswer);
        const int wrong = int(bar.tally.answers * perAnswer) - right;
        painter.fillRect(labelWidth(), top, right, thickness, rightColour());
        painter.fillRect(labelWidth() + right, top, wrong, thickness, wrongColour());
        top += m_pitch;
    }
}

// A column's height is the day's answers; the right part stands at the foot.
void TallyChart::paintUpright(QPainter &painter) const
{
    const int textHeight = fontMetrics().height();
    const int foot = height() - 2 * textHeight;
    const double perAnswer = double(std::max(1, foot - textHeight)) / mostAnswers();
    const int columnWidth = this->columnWidth();
    int left = gap;
    for (const Bar &bar : m_bars) {
        const int right = int(bar.tally.right * perAnswer);
        const int wrong = int(bar.tally.wrong() * perAnswer);
        painter.fillRect(left, foot - right, columnWidth, right, rightColour());
        painter.fillRect(left, foot - right - wrong, columnWidth, wrong, wrongColour());
        painter.drawText(
            QRect(left - gap, foot - right - wrong - textHeight, columnWidth + 2 * gap, textHeight),
            Qt::AlignCenter, QString::number(bar.tally.answers));
        painter.drawText(QRect(left - gap, foot + 2, columnWidth + 2 * gap, 2 * textHeight),
                         Qt::AlignHCenter | Qt::AlignTop, bar.label);
        left += columnWidth + gap;
    }
    painter.drawLine(0, foot, width(), foot);
}

} // namespace ui
