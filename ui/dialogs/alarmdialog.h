// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/clock.h"
#include "quiz/quizstate.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimeEdit;

namespace ui {

// Asks for the time of day at which the alarm rings, or clears it.
class AlarmDialog : public QDialog
{
    Q_OBJECT

public:
    // Starts from the alarm still to come, or from the next minute when none is.
    AlarmDialog(std::optional<QTime> pending, const quiz::Clock &clock, QWidget *parent = nullptr);

    // After the dialog is accepted: the chosen time, or the empty text when
    // the alarm was cleared.
    quiz::AlarmValue chosenAlarm() const;

    QTimeEdit *timeEdit() const { return m_timeEdit; }
    QPushButton *setButton() const { return m_setButton; }
    QPushButton *clearButton() const { return m_clearButton; }
    // Says why a time was refused; hidden until then.
    QLabel *refusal() const { return m_refusal; }
    // Says whether an alarm is set, and for when.
    QLabel *currentLine() const { return m_current; }

private:
    void acceptFutureTime();
    void say(const QString &line); // in the refusal line, the dialog grown to show it

    const quiz::Clock &m_clock;
    QTimeEdit *m_timeEdit;
    QPushButton *m_setButton;
    QPushButton *m_clearButton;
    QLabel *m_refusal;
    QLabel *m_current;
    bool m_cleared = false;
};

} // namespace ui
