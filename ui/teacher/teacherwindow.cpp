// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/teacherwindow.h"

#include "files/settings.h"
#include "ui/teacher/assignmentspage.h"
#include "ui/teacher/resultspage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

namespace ui::teacher {
namespace {

const QString sizeKey = QStringLiteral("teacher/size");

} // namespace

TeacherWindow::TeacherWindow(const QString &classFolder, QWidget *parent)
    : QMainWindow(parent), m_tabs(new QTabWidget(this)), m_assignments(new AssignmentsPage(this)),
      m_results(new ResultsPage(classFolder, this))
{
    setObjectName(QStringLiteral("insegnante"));
    setWindowTitle(tr("Solvetra – Insegnante"));
    setWindowIcon(QIcon(
        QStringLiteral(":/artwork/hicolor/48x48/apps/example.solvetra.solvetra-teacher.png")));
    m_tabs->setObjectName(QStringLiteral("schede"));
    m_tabs->addTab(m_assignments, tr("&Compiti"));
    m_tabs->addTab(m_results, tr("&Risultati"));
    setCentralWidget(m_tabs);
    connect(m_results, &ResultsPage::assignmentsDone, m_assignments, &AssignmentsPage::showDone);

    // The size kept, within the screen the window opens on.
    QSize size = files::Settings::user().value(sizeKey, QSize(900, 640)).toSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size.expandedTo(QSize(480, 360)));
}

void TeacherWindow::closeEvent(QCloseEvent *event)
{
    if (!isMaximized() && !isFullScreen())
        files::Settings::user().setValue(sizeKey, size());
    QMainWindow::closeEvent(event);
}

} // namespace ui::teacher
