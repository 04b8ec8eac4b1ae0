// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/assignmentspage.h"

#include "print/questionset.h"
#include "print/worksheet.h"
#include "ui/teacher/teachersettings.h"
#include "ui/window/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui::teacher {
namespace {

QPushButton *namedButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(text).remove(u'&').remove(QStringLiteral("...")));
    return button;
}

} // namespace

AssignmentsPage::AssignmentsPage(QWidget *parent)
    : QWidget(parent), m_level(new QComboBox(this)), m_theorem(new QComboBox(this)),
      m_count(new QSpinBox(this)), m_make(namedButton(tr("Cr&ea il compito"), "crea", this)),
      m_code(new QLabel(this)), m_refusal(new QLabel(this)),
      m_copy(namedButton(tr("C&opia"), "copia", this)),
      m_print(namedButton(tr("&Stampa la scheda..."), "stampa", this)),
      m_moodle(namedButton(tr("Esporta per &Moodle..."), "moodle", this)),
      m_made(new QTableWidget(0, 3, this))
{
    setObjectName(QStringLiteral("compiti"));
    for (const quiz::Level level : quiz::allLevels)
        m_level->addItem(tr("Livello %1: %2").arg(int(level)).arg(quiz::levelName(level)),
                         int(level));
    m_theorem->addItem(tr("Entrambi i teoremi"), int(quiz::TheoremChoice::Both));
    m_theorem->addItem(tr("Solo il primo teorema di Euclide"), int(quiz::TheoremChoice::Leg));
    m_theorem->addItem(tr("Solo il secondo teorema di Euclide"),
                       int(quiz::TheoremChoice::Altitude));
    m_count->setRange(quiz::minProblemSetSize, quiz::maxProblemSetSize);
    m_count->setValue(quiz::defaultProblemSetSize);
    m_level->setAccessibleName(tr("Livello"));
    m_theorem->setAccessibleName(tr("Teorema"));
    m_count->setAccessibleName(tr("Numero di problemi"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Livello:"), m_level);
    form->addRow(tr("&Teorema:"), m_theorem);
    form->addRow(tr("&Problemi:"), m_count);
    form->addRow(QString(), m_make);

    QFont big = m_code->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    m_code->setFont(big);
    m_code->setObjectName(QStringLiteral("codice"));
    m_code->setAccessibleName(tr("Codice del compito"));
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_code->setFocusPolicy(Qt::StrongFocus);
    m_code->setAlignment(Qt::AlignCenter);
    m_refusal->setObjectName(QStringLiteral("rifiuto"));
    m_refusal->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_copy, m_print, m_moodle}) {
        buttons->addWidget(button);
        button->setEnabled(false);
    }
    buttons->addStretch();

    m_made->setObjectName(QStringLiteral("compitiFatti"));
    m_made->setAccessibleName(tr("I compiti che hai creato"));
    m_made->setHorizontalHeaderLabels(
        {tr("Codice"), tr("Creato il"), tr("Alunni che l'hanno fatto")});
    m_made->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_made->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_made->setSortingEnabled(true);
    m_made->verticalHeader()->hide();
    m_made->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_made->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_code);
    layout->addWidget(m_refusal);
    layout->addLayout(buttons);
    auto *madeLabel = new QLabel(tr("I compiti che h&ai creato:"), this);
    madeLabel->setBuddy(m_made);
    layout->addWidget(madeLabel);
    layout->addWidget(m_made, 1);

    connect(m_make, &QPushButton::clicked, this, &AssignmentsPage::make);
    connect(m_copy, &QPushButton::clicked, this, &AssignmentsPage::copyCode);
    connect(m_print, &QPushButton::clicked, this, &AssignmentsPage::printSheet);
    connect(m_moodle, &QPushButton::clicked, this, &AssignmentsPage::exportQuestions);
    // A row of the list shows its code again, for the sheet or the platform.
    connect(m_made, &QTableWidget::cellActivated, this, [this](int row) {
        const QTableWidgetItem *item = m_made->item(row, 0);
        if (const auto assignment = quiz::assignmentOfCode(item ? item->text() : QString())) {
            m_shown = *assignment;
            m_code->setText(item->text());
            for (QPushButton *button : {m_copy, m_print, m_moodle})
                button->setEnabled(true);
        }
    });
    fillMade();
}

void AssignmentsPage::make()
{
    quiz::Assignment assignment;
    assignment.level = quiz::Level(m_level->currentData().toInt());
    assignment.theorem = quiz::TheoremChoice(m_theorem->currentData().toInt());
    assignment.count = m_count->value();
    assignment.seed = print::randomSeed();
    if (!quiz::isGivable(assignment)) {
        m_refusal->setText(tr("Questo livello non ha problemi con questo teorema: scegline un "
                              "altro."));
        return;
    }
    m_refusal->clear();
    m_shown = assignment;
    const QString code = quiz::assignmentCode(assignment);
    m_code->setText(code);
    for (QPushButton *button : {m_copy, m_print, m_moodle})
        button->setEnabled(true);
    rememberAssignment({code, QDate::currentDate()});
    fillMade();
    m_code->setFocus();
}

void AssignmentsPage::copyCode()
{
    QGuiApplication::clipboard()->setText(m_code->text());
}

void AssignmentsPage::printSheet()
{
    if (!m_shown)
        return;
    const QString code = m_code->text();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Stampa la scheda"), QDir::home().filePath(tr("compito-%1.pdf").arg(code)),
        tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    print::WorksheetRequest request = print::sheetOf(*m_shown);
    request.key = print::KeyPlacement::Separate; // the pupils' copies print without it
    if (const auto error = print::writeWorksheetPdf(path, request))
        showBox(this, QMessageBox::Warning, tr("Stampa la scheda"), *error);
    else
        showBox(this, QMessageBox::Information, tr("Stampa la scheda"),
                tr("La scheda è in «%1», le soluzioni in «%2».")
                    .arg(QDir::toNativeSeparators(path),
                         QDir::toNativeSeparators(print::answerKeyPath(path))));
}

void AssignmentsPage::exportQuestions()
{
    if (!m_shown)
        return;
    const QString code = m_code->text();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Esporta per Moodle"), QDir::home().filePath(tr("compito-%1.xml").arg(code)),
        tr("Moodle XML (*.xml);;GIFT (*.gift *.txt)"));
    if (path.isEmpty())
        return;
    print::QuestionFiles files;
    if (path.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
        files.moodlePath = path;
    else
        files.giftPath = path;
    const auto error = print::writeQuestionFiles(files, print::sheetOf(*m_shown),
                                                 print::defaultCategory(print::sheetOf(*m_shown)));
    if (error)
        showBox(this, QMessageBox::Warning, tr("Esporta per Moodle"), *error);
    else
        showBox(this, QMessageBox::Information, tr("Esporta per Moodle"),
                tr("Le domande sono in «%1».").arg(QDir::toNativeSeparators(path)));
}

void AssignmentsPage::showDone(const QHash<QString, int> &doneByCode)
{
    m_done = doneByCode;
    fillMade();
}

void AssignmentsPage::fillMade()
{
    const QList<MadeAssignment> made = madeAssignments();
    m_made->setSortingEnabled(false);
    m_made->setRowCount(int(made.size()));
    const QLocale locale;
    for (int row = 0; row < made.size(); ++row) {
        const MadeAssignment &assignment = made[row];
        m_made->setItem(row, 0, new QTableWidgetItem(assignment.code));
        auto *date = new QTableWidgetItem(locale.toString(assignment.made, QLocale::ShortFormat));
        date->setData(Qt::UserRole, assignment.made);
        m_made->setItem(row, 1, date);
        auto *done = new QTableWidgetItem;
        done->setData(Qt::DisplayRole, m_done.value(assignment.code));
        m_made->setItem(row, 2, done);
    }
    m_made->setSortingEnabled(true);
}

} // namespace ui::teacher
