// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/resultswindow.h"

#include "quiz/kindid.h"
#include "record/summary.h"
#include "ui/results/resultstables.h"
#include "ui/results/tallychart.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>

namespace ui {
namespace {

// Days the progress chart shows, the latest with answers.
constexpr int shownDays = 20;
constexpr int shownWrongKinds = 5;

// A table with its bars beside it, the bars as tall as the table's rows.
QWidget *tableWithChart(QTableWidget *table, const QList<results::Line> &lines, QWidget *parent)
{
    auto *pair = new QWidget(parent);
    auto *row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(table, 0, Qt::AlignTop);
    auto *chart = new TallyChart(TallyChart::Direction::Across, lines, pair);
    chart->setAccessibleName(
        QCoreApplication::translate("ResultsWindow", "Grafico: %1").arg(table->accessibleName()));
    chart->setAccessibleDescription(QCoreApplication::translate(
        "ResultsWindow", "Le stesse risposte della tabella, in barre."));
    chart->alignWithRows(table->frameWidth() + table->horizontalHeader()->sizeHint().height(),
                         table->rowCount() > 0 ? table->rowHeight(0) : 0);
    row->addWidget(chart, 1, Qt::AlignTop);
    return pair;
}

} // namespace

ResultsWindow::ResultsWindow(const QList<record::AnswerRow> &answers, const record::Pupil &pupil,
                             QDate today, const format::DisplayLocale &locale, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("risultati"));
    setWindowTitle(pupil.name.isEmpty() ? tr("I miei risultati")
                                        : tr("I risultati di %1").arg(pupil.name));
    const record::RecordSummary summary(answers);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addHeading(layout, tr("Oggi e in tutto"));
    m_totals = results::tallyTable(tr("Risposte di oggi e in tutto"), tr("Quando"),
                                   results::todayAndAllTime(summary, today), locale, page);
    m_totals->setObjectName(QStringLiteral("totali"));
    layout->addWidget(m_totals);
    if (answers.isEmpty()) {
        addText(layout, tr("Non ci sono ancora risposte: gioca e torna qui!"), "vuoto");
    } else {
        addHeading(layout, tr("Per livello"));
        const QList<results::Line> levels = results::byLevel(answers);
        m_levels =
            results::tallyTable(tr("Risposte per livello"), tr("Livello"), levels, locale, page);
        m_levels->setObjectName(QStringLiteral("perLivello"));
        layout->addWidget(tableWithChart(m_levels, levels, page));

        addHeading(layout, tr("Per tipo di problema"));
        const QList<results::Line> kinds = results::byKind(summary);
        m_kinds = results::tallyTable(tr("Risposte per tipo di problema"), tr("Tipo di problema"),
                                      kinds, locale, page);
        m_kinds->setObjectName(QStringLiteral("perTipo"));
        layout->addWidget(tableWithChart(m_kinds, kinds, page));

        // What the colours mean; the numbers themselves are in the tables.
        addText(layout, results::chartLegend(), "legenda");
        addHeading(layout, tr("Giorno per giorno"));
        auto *days = new TallyChart(TallyChart::Direction::Upright,
                                    results::byDay(summary, shownDays, locale), page);
        days->setAccessibleName(tr("Risposte giorno per giorno, in verde le esatte"));
        layout->addWidget(days);

        addText(layout,
                tr("La serie più lunga di risposte esatte di fila: %1.")
                    .arg(locale.qtLocale.toString(summary.longestRightRun())),
                "serie");
        QStringList wrong;
        for (const record::KindSummary &kind : summary.mostOftenWrong(shownWrongKinds))
            wrong << (kind.tally.wrong() == 1
                          ? tr("%1 (1 volta)").arg(quiz::readableKind(kind.kind))
                          : tr("%1 (%2 volte)")
                                .arg(quiz::readableKind(kind.kind),
                                     locale.qtLocale.toString(kind.tally.wrong())));
        addText(layout,
                wrong.isEmpty() ? tr("Nessun tipo di problema sbagliato: bravo!")
                                : tr("I tipi di problema sbagliati più spesso: %1.")
                                      .arg(wrong.join(QStringLiteral(", "))),
                "sbagliati");
    }
    layout->addStretch();

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Chiudi"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    outer->addWidget(buttons);
    // Room for the tables and charts; a smaller screen scrolls.
    resize(QSize(800, 720).boundedTo(screen()->availableSize() * 0.95));
}

void ResultsWindow::addHeading(QVBoxLayout *layout, const QString &text)
{
    auto *heading = new QLabel(text);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    layout->addWidget(heading);
}

void ResultsWindow::addText(QVBoxLayout *layout, const QString &text, const char *name)
{
    auto *label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    layout->addWidget(label);
}

} // namespace ui
