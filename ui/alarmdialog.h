// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quizstate.h"

#include <QDialog>

class QPushButton;
class QTimeEdit;

namespace ui {

// Asks for the time of day at which the alarm rings, or clears it.
class AlarmDialog : public QDialog
{
    Q_OBJECT

public:
    // Starts from the current alarm time, or from the next minute when none is set.
    AlarmDialog(const quiz::AlarmValue &current, QTime now, QWidget *parent = nullptr);

    // After the dialog is accepted: the chosen time, or the empty text when
    // the alarm was cleared.
    quiz::AlarmValue chosenAlarm() const;

    QTimeEdit *timeEdit() const { return m_timeEdit; }
    QPushButton *setButton() const { return m_setButton; }
    QPushButton *clearButton() const { return m_clearButton; }

private:
    QTimeEdit *m_timeEdit;
    QPushButton *m_setButton;
    QPushButton *m_clearButton;
    bool m_cleared = false;
};

} // namespace ui
