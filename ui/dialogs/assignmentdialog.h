// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignment.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace ui {

// "Compito": asks the code a teacher gave and refuses one that names no
// assignment, staying open for the pupil to correct it.
class AssignmentDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AssignmentDialog(const QString &code = {}, QWidget *parent = nullptr);

    // After the dialog is accepted.
    quiz::Assignment chosenAssignment() const { return *m_assignment; }

    QLineEdit *codeEdit() const { return m_code; }
    QLabel *refusal() const { return m_refusal; }

    void accept() override;

private:
    QLineEdit *m_code;
    QLabel *m_refusal;
    std::optional<quiz::Assignment> m_assignment;
};

} // namespace ui
