// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/pupilpage.h"

#include "format/displaylocale.h"
#include "print/classreport.h"
#include "quiz/kindid.h"
#include "ui/results/resultswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ui::teacher {
namespace {

QStandardItem *cell(const QString &text, const QVariant &value)
{
    auto *item = new QStandardItem(text);
    item->setData(value, Qt::UserRole);
    item->setEditable(false);
    return item;
}

} // namespace

PupilPage::PupilPage(const QList<record::AnswerRow> &answers, const record::Pupil &pupil,
                     QWidget *parent)
    : QDialog(parent), m_answers(new QStandardItemModel(0, 7, this))
{
    setObjectName(QStringLiteral("paginaAlunno"));
    const QString name = pupil.name.isEmpty() ? tr("(senza nome)") : pupil.name;
    setWindowTitle(pupil.className.isEmpty() ? name : tr("%1 (%2)").arg(name, pupil.className));
    const format::DisplayLocale locale = format::DisplayLocale::current();

    // The pupil's own results window, shown here as a page.
    auto *results = new ResultsWindow(answers, pupil, QDate::currentDate(), locale);
    results->setWindowFlags(Qt::Widget);

    m_answers->setHorizontalHeaderLabels({tr("Quando"), tr("Livello"), tr("Tipo"), tr("Atteso"),
                                          tr("Scritto"), tr("Esatta"), tr("Secondi")});
    for (const record::AnswerRow &row : answers) {
        const QString expected = locale.qtLocale.toString(row.expected, 'g', 6);
        m_answers->appendRow(
            {cell(locale.qtLocale.toString(row.when.toLocalTime(), QLocale::ShortFormat), row.when),
             cell(QString::number(row.level), row.level),
             cell(quiz::readableKind(row.kind), row.kind), cell(expected, row.expected),
             cell(row.typed, row.typed), cell(row.right ? tr("sì") : tr("no"), row.right),
             cell(locale.qtLocale.toString(row.seconds, 'f', 1), row.seconds)});
    }
    auto *sorter = new QSortFilterProxyModel(this);
    sorter->setSourceModel(m_answers);
    sorter->setSortRole(Qt::UserRole);
    auto *table = new QTableView(this);
    table->setObjectName(QStringLiteral("risposte"));
    table->setAccessibleName(tr("Le risposte di %1").arg(name));
    table->setModel(sorter);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *tabs = new QTabWidget(this);
    tabs->addTab(results, tr("&Risultati"));
    tabs->addTab(table, tr("R&isposte"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(760, 560);
}

} // namespace ui::teacher
