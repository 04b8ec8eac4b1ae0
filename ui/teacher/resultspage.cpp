// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/resultspage.h"

#include "format/displaylocale.h"
#include "print/classreport.h"
#include "quiz/assignment.h"
#include "quiz/kindid.h"
#include "record/answerscsv.h"
#include "record/assignmentstanding.h"
#include "record/serverpassword.h"
#include "record/summary.h"
#include "record/xlsxreport.h"
#include "ui/teacher/pupilpage.h"
#include "ui/teacher/recordloader.h"
#include "ui/teacher/serversource.h"
#include "ui/teacher/tablechart.h"
#include "ui/teacher/teachersettings.h"
#include "ui/window/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ui::teacher {
namespace {

// The item shows the text; the sorter reads the value, so 9 comes before 10.
QStandardItem *cell(const QString &text, const QVariant &value)
{
    auto *item = new QStandardItem(text);
    item->setData(value, Qt::UserRole);
    item->setEditable(false);
    return item;
}

QStandardItem *number(qint64 value)
{
    return cell(QString::number(value), value);
}

QStandardItem *percentCell(const record::Tally &tally)
{
    return cell(print::percent(tally), tally.percentRight());
}

QStandardItem *durationCell(double seconds)
{
    return cell(print::duration(seconds), seconds);
}

QString levelsText(const QList<int> &levels)
{
    QStringList texts;
    for (const int level : levels)
        texts << QString::number(level);
    return texts.join(QStringLiteral(", "));
}

QPushButton *namedButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(text).remove(u'&').remove(QStringLiteral("...")));
    return button;
}

constexpr int pupilRole = Qt::UserRole + 1;
constexpr int classRole = Qt::UserRole + 2;

} // namespace

ResultsPage::ResultsPage(QString classFolder, QWidget *parent)
    : QWidget(parent), m_classFolder(std::move(classFolder)), m_loader(new RecordLoader(this)),
      m_source(new QLabel(tr("Scegli dove sono le risposte."), this)), m_class(new QComboBox(this)),
      m_byDate(new QCheckBox(tr("Solo &dal"), this)),
      m_from(new QDateEdit(QDate::currentDate().addMonths(-1), this)),
      m_to(new QDateEdit(QDate::currentDate(), this)), m_assignment(new QComboBox(this)),
      m_progress(new QProgressBar(this)), m_cancel(namedButton(tr("&Annulla"), "annulla", this)),
      m_export(namedButton(tr("&Esporta..."), "esporta", this)),
      m_summary(new QStandardItemModel(0, 6, this)), m_pupils(new QStandardItemModel(0, 8, this)),
      m_kinds(new QStandardItemModel(0, 5, this)),
      m_assignments(new QStandardItemModel(0, 5, this)), m_skipped(new QListWidget(this))
{
    setObjectName(QStringLiteral("risultatiClasse"));
    auto *folder = namedButton(tr("Car&tella..."), "cartella", this);
    auto *files = namedButton(tr("&File..."), "file", this);
    auto *classButton = namedButton(tr("Cartella della cla&sse"), "cartellaClasse", this);
    classButton->setEnabled(!m_classFolder.isEmpty());
    auto *server = namedButton(tr("Ser&ver della scuola..."), "server", this);
    m_source->setObjectName(QStringLiteral("dove"));
    m_source->setWordWrap(true);
    auto *sources = new QHBoxLayout;
    sources->addWidget(new QLabel(tr("Le risposte:"), this));
    for (QPushButton *button : {folder, files, classButton, server})
        sources->addWidget(button);
    sources->addStretch();

    m_class->addItem(tr("Tutte"), QString());
    m_class->setAccessibleName(tr("Classe"));
    m_assignment->addItem(tr("Tutti"), QString());
    m_assignment->setAccessibleName(tr("Compito"));
    m_byDate->setAccessibleName(tr("Solo le risposte tra due date"));
    m_from->setAccessibleName(tr("Dal giorno"));
    m_to->setAccessibleName(tr("Al giorno"));
    for (QDateEdit *date : {m_from, m_to}) {
        date->setCalendarPopup(true);
        date->setEnabled(false);
    }
    auto *filters = new QHBoxLayout;
    auto *classLabel = new QLabel(tr("C&lasse:"), this);
    classLabel->setBuddy(m_class);
    auto *assignmentLabel = new QLabel(tr("Co&mpito:"), this);
    assignmentLabel->setBuddy(m_assignment);
    filters->addWidget(classLabel);
    filters->addWidget(m_class);
    filters->addWidget(m_byDate);
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("al"), this));
    filters->addWidget(m_to);
    filters->addWidget(assignmentLabel);
    filters->addWidget(m_assignment);
    filters->addStretch();
    filters->addWidget(m_export);

    m_progress->setAccessibleName(tr("Lettura delle risposte"));
    auto *progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancel);
    m_progress->hide();
    m_cancel->hide();

    m_summary->setHorizontalHeaderLabels(
        {tr("Classe"), tr("Alunni"), tr("Risposte"), tr("Esatte"), tr("% esatte"), tr("Tempo")});
    m_pupils->setHorizontalHeaderLabels({tr("Alunno"), tr("Classe"), tr("Risposte"), tr("Esatte"),
                                         tr("% esatte"), tr("Tempo"), tr("Livelli"),
                                         tr("Compiti fatti")});
    m_kinds->setHorizontalHeaderLabels(
        {tr("Tipo"), tr("Risposte"), tr("Esatte"), tr("Sbagliate"), tr("% esatte")});
    m_assignments->setHorizontalHeaderLabels(
        {tr("Compito"), tr("Fatto"), tr("Iniziato"), tr("Non iniziato"), tr("Problemi")});

    auto *tables = new QTabWidget(this);
    tables->setObjectName(QStringLiteral("tabelle"));
    QTableView *summary = tableOf(m_summary, tr("Riepilogo della classe"));
    // One row: as tall as it, the room below goes to the pupils.
    summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summary->setFixedHeight(summary->horizontalHeader()->sizeHint().height() +
                            summary->verticalHeader()->defaultSectionSize() +
                            2 * summary->frameWidth());
    m_pupilsView = tableOf(m_pupils, tr("Alunni"));
    tables->addTab(withChart(m_pupilsView, {4, 2, 3}, TallyChart::Scale::Share), tr("Alunni"));
    tables->addTab(withChart(tableOf(m_kinds, tr("Per tipo di problema")), {4, 1, 2},
                             TallyChart::Scale::Answers),
                   tr("Tipi"));
    tables->addTab(tableOf(m_assignments, tr("Per compito")), tr("Compiti"));
    m_skipped->setObjectName(QStringLiteral("saltati"));
    m_skipped->setAccessibleName(tr("File saltati"));
    tables->addTab(m_skipped, tr("File saltati"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sources);
    layout->addWidget(m_source);
    layout->addLayout(filters);
    layout->addLayout(progress);
    layout->addWidget(summary);
    layout->addWidget(tables, 1);

    auto *exportMenu = new QMenu(m_export);
    exportMenu->addAction(tr("Resoconto PDF..."), this,
                          [this] { exportTo(QStringLiteral("pdf")); });
    exportMenu->addAction(tr("Risposte CSV..."), this, [this] { exportTo(QStringLiteral("csv")); });
    exportMenu->addAction(tr("Foglio di calcolo (.xlsx)..."), this,
                          [this] { exportTo(QStringLiteral("xlsx")); });
    m_export->setMenu(exportMenu);
    m_export->setEnabled(false);

    connect(folder, &QPushButton::clicked, this, &ResultsPage::chooseFolder);
    connect(files, &QPushButton::clicked, this, &ResultsPage::chooseFiles);
    connect(classButton, &QPushButton::clicked, this, &ResultsPage::useClassFolder);
    connect(server, &QPushButton::clicked, this, &ResultsPage::chooseServer);
    connect(m_cancel, &QPushButton::clicked, this, &ResultsPage::cancel);
    connect(m_byDate, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        reread();
    });
    connect(m_from, &QDateEdit::dateChanged, this, &ResultsPage::reread);
    connect(m_to, &QDateEdit::dateChanged, this, &ResultsPage::reread);
    connect(m_class, &QComboBox::activated, this, &ResultsPage::reread);
    connect(m_assignment, &QComboBox::activated, this, &ResultsPage::reread);
    connect(m_loader, &RecordLoader::progress, this, [this](qsizetype done, qsizetype total) {
        m_progress->setRange(0, int(total));
        m_progress->setValue(int(done));
    });
    connect(m_loader, &RecordLoader::read, this, &ResultsPage::showContents);
    connect(m_loader, &RecordLoader::cancelled, this, [this] {
        m_progress->hide();
        m_cancel->hide();
        m_source->setText(tr("Lettura annullata."));
    });
    connect(m_pupilsView, &QTableView::activated, this, &ResultsPage::openPupil);
}

ResultsPage::~ResultsPage() = default;

QTableView *ResultsPage::tableOf(QStandardItemModel *model, const QString &name)
{
    auto *sorter = new QSortFilterProxyModel(this);
    sorter->setSourceModel(model);
    sorter->setSortRole(Qt::UserRole);
    auto *view = new QTableView(this);
    view->setModel(sorter);
    view->setAccessibleName(name);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

// The table with its bars beside it, labelled with the right answers' share.
QWidget *ResultsPage::withChart(QTableView *table, TableChart::Columns columns,
                                TallyChart::Scale scale)
{
    auto *pair = new QWidget(this);
    auto *row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(table, 2);
    row->addWidget(new TableChart(table, columns, scale, pair), 1);
    return pair;
}

record::RecordFilter ResultsPage::filter() const
{
    record::RecordFilter filter;
    filter.className = m_class->currentData().toString();
    filter.assignment = m_assignment->currentData().toString();
    if (m_byDate->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    return filter;
}

void ResultsPage::chooseFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("La cartella delle risposte"), QDir::homePath());
    if (!folder.isEmpty())
        readFrom({folder});
}

void ResultsPage::chooseFiles()
{
    const QStringList files =
        QFileDialog::getOpenFileNames(this, tr("I file delle risposte"), QDir::homePath(),
                                      tr("Risultati di Solvetra (*.sqlite);;Tutti i file (*)"));
    if (!files.isEmpty())
        readFrom(files);
}

void ResultsPage::useClassFolder()
{
    readFrom({m_classFolder});
}

void ResultsPage::chooseServer()
{
    const QString last = lastServer();
    ServerSourceDialog dialog(!last.isEmpty()      ? last
                              : m_server.isNamed() ? m_server.url()
                                                   : QString(),
                              this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    rememberServer(dialog.url());
    readFromServer(dialog.url(), dialog.password(), dialog.keepPassword());
}

void ResultsPage::readFromServer(const QString &url, const QString &password, bool keepPassword)
{
    const auto address = record::serverAddressOf(url);
    if (keepPassword && address && !password.isEmpty()) {
        if (const auto error =
                record::keepServerPassword(record::passwordFilePath(), *address, password))
            showBox(this, QMessageBox::Warning, tr("Server della scuola"), *error);
    }
    m_loader->setServerPassword(password);
    readFrom({url});
}

void ResultsPage::readFrom(const QStringList &paths)
{
    m_paths = paths;
    // A server by its address, never with a password a URL may carry.
    QStringList shown;
    for (const QString &path : paths) {
        const auto address = record::serverAddressOf(path);
        shown << (address ? address->shown() : QDir::toNativeSeparators(path));
    }
    m_source->setText(tr("Risposte da: %1").arg(shown.join(QStringLiteral(", "))));
    reread();
}

void ResultsPage::reread()
{
    if (m_paths.isEmpty())
        return;
    m_progress->setRange(0, 0);
    m_progress->show();
    m_cancel->show();
    m_shownFilter = filter();
    m_loader->start(m_paths, m_shownFilter);
}

void ResultsPage::cancel()
{
    m_loader->cancel();
}

bool ResultsPage::reading() const
{
    return m_loader->reading();
}

void ResultsPage::showContents(const record::ReportFigures &contents)
{
    m_progress->hide();
    m_cancel->hide();
    m_figures = contents;
    const QList<record::PupilSummary> &pupils = contents.pupils;
    const QList<record::PupilSummary> &everyone = contents.everyone;

    // The filters offer what the records hold; a choice made stays offered.
    for (const record::PupilSummary &pupil : everyone)
        if (!pupil.className.isEmpty() && m_class->findData(pupil.className) < 0)
            m_class->addItem(pupil.className, pupil.className);
    for (const QString &code : contents.allCodes)
        if (m_assignment->findData(code) < 0)
            m_assignment->addItem(code, code);

    QHash<QString, int> doneByCode;
    QHash<std::pair<QString, QString>, int> donePerPupil;
    m_assignments->removeRows(0, m_assignments->rowCount());
    using State = record::AssignmentStanding::State;
    for (const QString &code : contents.codes) {
        const record::AssignmentStandings &standings = contents.standings[code];
        doneByCode[code] = standings.counted(State::Done);
        for (const record::AssignmentStanding &s : standings.pupils)
            if (s.state() == State::Done)
                ++donePerPupil[{s.className, s.pupil}];
        const auto assignment = quiz::assignmentOfCode(code);
        m_assignments->appendRow({cell(code, code), number(standings.counted(State::Done)),
                                  number(standings.counted(State::Begun)),
                                  number(standings.counted(State::NotBegun)),
                                  number(assignment ? assignment->count : 0)});
    }

    m_summary->removeRows(0, m_summary->rowCount());
    double seconds = 0;
    for (const record::PupilSummary &pupil : pupils)
        seconds += pupil.seconds;
    const QString className =
        m_shownFilter.className.isEmpty() ? tr("tutte") : m_shownFilter.className;
    m_summary->appendRow({cell(className, className), number(pupils.size()),
                          number(contents.total.answers), number(contents.total.right),
                          percentCell(contents.total), durationCell(seconds)});

    m_pupils->removeRows(0, m_pupils->rowCount());
    for (const record::PupilSummary &pupil : pupils) {
        const QString name = pupil.pupil.isEmpty() ? tr("(senza nome)") : pupil.pupil;
        QStandardItem *first = cell(name, name.toLower());
        first->setData(pupil.pupil, pupilRole);
        first->setData(pupil.className, classRole);
        first->setToolTip(tr("Invio apre la pagina di %1").arg(name));
        m_pupils->appendRow({first, cell(pupil.className, pupil.className),
                             number(pupil.tally.answers), number(pupil.tally.right),
                             percentCell(pupil.tally), durationCell(pupil.seconds),
                             cell(levelsText(pupil.levels), levelsText(pupil.levels)),
                             number(donePerPupil.value({pupil.className, pupil.pupil}))});
    }

    m_kinds->removeRows(0, m_kinds->rowCount());
    for (const record::KindSummary &kind : contents.kinds) {
        const QString readable = quiz::readableKind(kind.kind);
        m_kinds->appendRow({cell(readable, readable), number(kind.tally.answers),
                            number(kind.tally.right), number(kind.tally.wrong()),
                            percentCell(kind.tally)});
    }

    m_skipped->clear();
    for (const record::SkippedFile &skipped : contents.skipped)
        m_skipped->addItem(skipped.reason);
    for (const QString &clash : contents.clashes)
        m_skipped->addItem(clash);

    m_source->setText(tr("Risposte da %n file.", nullptr, int(contents.files.size())) +
                      (contents.skipped.isEmpty()
                           ? QString()
                           : u' ' + tr("Saltati: %n.", nullptr, int(contents.skipped.size()))));
    // Nothing read is no class of nobody: the reason stands in its place.
    if (contents.files.isEmpty() && !contents.skipped.isEmpty()) {
        m_summary->removeRows(0, m_summary->rowCount());
        m_source->setText(tr("Nessuna risposta letta. %1").arg(contents.skipped.first().reason));
    }
    m_export->setEnabled(contents.hasCounted());
    emit assignmentsDone(doneByCode);
    emit readFinished();
}

record::RecordReader ResultsPage::rereader() const
{
    record::RecordReader reader(m_shownFilter);
    reader.setServerPassword(m_loader->serverPassword());
    return reader;
}

void ResultsPage::openPupil(const QModelIndex &index)
{
    const auto *sorter = qobject_cast<const QSortFilterProxyModel *>(index.model());
    const QModelIndex source = sorter->mapToSource(index);
    const QStandardItem *first = m_pupils->item(source.row(), 0);
    const record::Pupil pupil{first->data(pupilRole).toString(), first->data(classRole).toString()};
    // One pupil's rows are few: read again, as the figures were read.
    record::RecordReader reader = rereader();
    const QSet<QString> stored = m_figures.storedNames.value({pupil.className, pupil.name});
    reader.setOnlyPupils({{pupil.className, pupil.name}},
                         QStringList(stored.cbegin(), stored.cend()));
    const QList<record::AnswerRow> answers =
        print::countedAnswers(reader.read(m_figures.sources), m_shownFilter);
    auto *page = new PupilPage(answers, pupil, this);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->show();
}

void ResultsPage::exportTo(const QString &kind)
{
    const QString filter = kind == u"pdf"   ? tr("PDF (*.pdf)")
                           : kind == u"csv" ? tr("CSV (*.csv)")
                                            : tr("Foglio di calcolo (*.xlsx)");
    const QString suggested = QDir::home().filePath(
        tr("resoconto-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), kind));
    QString path = QFileDialog::getSaveFileName(this, tr("Esporta"), suggested, filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(u'.' + kind, Qt::CaseInsensitive))
        path += u'.' + kind;
    std::optional<QString> error;
    if (kind == u"pdf") {
        error = print::writeClassReportPdf(path, m_figures, m_shownFilter);
    } else if (kind == u"csv") {
        // Row after row, read again from where the figures were summed.
        record::AnswersCsvWriter csv(path);
        error = csv.open();
        if (!error) {
            const record::RecordContents read =
                rereader().stream(m_figures.sources, [&](const auto &row) {
                    if (m_shownFilter.assignment.isEmpty() ||
                        row.assignment == m_shownFilter.assignment)
                        csv.add(row);
                });
            error = read.cutShort ? tr("Un file si è interrotto a metà lettura.") : csv.commit();
        }
    } else {
        // The answers' sheet row after row, read again from where the figures were summed.
        error = record::writeReportXlsx(path, m_figures, [&](const auto &take) {
            return !rereader()
                        .stream(m_figures.sources,
                                [&](const record::AnswerRow &row) {
                                    if (m_shownFilter.assignment.isEmpty() ||
                                        row.assignment == m_shownFilter.assignment)
                                        take(row);
                                })
                        .cutShort;
        });
    }
    if (error)
        showBox(this, QMessageBox::Warning, tr("Esporta"), *error);
    else
        showBox(this, QMessageBox::Information, tr("Esporta"),
                tr("Il resoconto è in «%1».").arg(QDir::toNativeSeparators(path)));
}

} // namespace ui::teacher
