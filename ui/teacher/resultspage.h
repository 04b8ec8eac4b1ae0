// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordreader.h"
#include "record/reportfigures.h"
#include "record/serveraddress.h"
#include "ui/teacher/tablechart.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace ui::teacher {

class RecordLoader;

// "Risultati": where the answers are, the filters, and the class's figures
// in tables that sort by any column; a pupil's row opens that pupil's page.
// Reading runs off the window's thread and can be cancelled.
class ResultsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsPage(QString classFolder, QWidget *parent = nullptr);
    ~ResultsPage() override;

    // Reads these files and folders (folders with their sub-folders).
    void readFrom(const QStringList &paths);
    // The school's server the settings name, offered first.
    void setServerAddress(const record::ServerAddress &server) { m_server = server; }
    // Reads the server at url with password (empty: libpq's own ~/.pgpass),
    // keeping the password in libpq's password file only when asked.
    void readFromServer(const QString &url, const QString &password, bool keepPassword);
    void cancel();
    bool reading() const;

    // The tables as a screen reader reads them, each behind its sorter.
    QStandardItemModel *summaryModel() const { return m_summary; }
    QStandardItemModel *pupilsModel() const { return m_pupils; }
    QStandardItemModel *kindsModel() const { return m_kinds; }
    QStandardItemModel *assignmentsModel() const { return m_assignments; }
    QListWidget *skippedList() const { return m_skipped; }
    QLabel *sourceLabel() const { return m_source; }
    QTableView *pupilsView() const { return m_pupilsView; }
    QPushButton *cancelButton() const { return m_cancel; }
    QProgressBar *progressBar() const { return m_progress; }

    record::RecordFilter filter() const;
    const record::ReportFigures &figures() const { return m_figures; }

signals:
    // After each read: how many pupils finished each assignment.
    void assignmentsDone(const QHash<QString, int> &doneByCode);
    void readFinished();

private:
    void chooseFolder();
    void chooseFiles();
    void useClassFolder();
    void chooseServer();
    void reread();
    void showContents(const record::ReportFigures &contents);
    void openPupil(const QModelIndex &index);
    // Reads the rows again, where and as the figures shown were read.
    record::RecordReader rereader() const;
    void exportTo(const QString &kind);
    QTableView *tableOf(QStandardItemModel *model, const QString &name);
    QWidget *withChart(QTableView *table, TableChart::Columns columns, TallyChart::Scale scale);

    QString m_classFolder;
    record::ServerAddress m_server;
    RecordLoader *m_loader;
    QStringList m_paths;
    record::ReportFigures m_figures;
    record::RecordFilter m_shownFilter;

    QLabel *m_source;
    QComboBox *m_class;
    QCheckBox *m_byDate;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QComboBox *m_assignment;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QPushButton *m_export;
    QStandardItemModel *m_summary;
    QStandardItemModel *m_pupils;
    QStandardItemModel *m_kinds;
    QStandardItemModel *m_assignments;
    QTableView *m_pupilsView = nullptr;
    QListWidget *m_skipped;
};

} // namespace ui::teacher
