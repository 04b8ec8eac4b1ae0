// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace ui::teacher {

class AssignmentsPage;
class ResultsPage;

// "Solvetra – Insegnante": the teacher's own window, apart from the pupils'
// quiz. Its size is kept between runs.
class TeacherWindow : public QMainWindow
{
    Q_OBJECT

public:
    // classFolder: where the pupils' copies go, from the school's settings
    // (empty when none is set).
    explicit TeacherWindow(const QString &classFolder = {}, QWidget *parent = nullptr);

    AssignmentsPage *assignments() const { return m_assignments; }
    ResultsPage *results() const { return m_results; }
    QTabWidget *tabs() const { return m_tabs; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTabWidget *m_tabs;
    AssignmentsPage *m_assignments;
    ResultsPage *m_results;
};

} // namespace ui::teacher
