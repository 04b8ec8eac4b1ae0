// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignment.h"
#include "record/assignmentstanding.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace ui::teacher {

// "Compiti": makes an assignment and shows its code large enough to copy
// onto the board, prints its worksheet, exports it for a learning platform,
// and lists the assignments made on this account.
class AssignmentsPage : public QWidget
{
    Q_OBJECT

public:
    explicit AssignmentsPage(QWidget *parent = nullptr);

    // How many pupils finished each assignment in the records read last.
    void showDone(const QHash<QString, int> &doneByCode);

    QComboBox *levelBox() const { return m_level; }
    QComboBox *theoremBox() const { return m_theorem; }
    QSpinBox *countBox() const { return m_count; }
    QPushButton *makeButton() const { return m_make; }
    QLabel *codeLabel() const { return m_code; }
    QTableWidget *madeTable() const { return m_made; }

    // The assignment shown, once one is made.
    std::optional<quiz::Assignment> shown() const { return m_shown; }

private:
    void make();
    void copyCode();
    void printSheet();
    void exportQuestions();
    void fillMade();

    QComboBox *m_level;
    QComboBox *m_theorem;
    QSpinBox *m_count;
    QPushButton *m_make;
    QLabel *m_code;
    QLabel *m_refusal;
    QPushButton *m_copy;
    QPushButton *m_print;
    QPushButton *m_moodle;
    QTableWidget *m_made;
    std::optional<quiz::Assignment> m_shown;
    QHash<QString, int> m_done;
};

} // namespace ui::teacher
