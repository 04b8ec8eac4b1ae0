// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays, and the pupil's own file: "Chi gioca..." names the answers,
// "Chi gioca?" at start on a shared account, "Esporta" and "Cancella". The
// record is a real file, read back with the sqlite3 tool.
#include "support/modalboxes.h"
#include "support/playing.h"
#include "support/sqlitecli.h"
#include "support/tavolafixture.h"

#include "files/settings.h"
#include "record/recordreader.h"
#include "ui/dialogs/pupildialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

#include <sys/stat.h>

class TestPupil : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chosenPupilNamesTheAnswers_data();
    void chosenPupilNamesTheAnswers();
    void askedAtStartWithNamesSeen_data();
    void askedAtStartWithNamesSeen();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteReachesTheOtherWindow();
    void exportCopiesTheFile_data();
    void exportCopiesTheFile();
    void statusBarSaysWhoPlays_data();
    void statusBarSaysWhoPlays();
    void recordItemsGreyWithoutRecord();
    void reviewBringsBackWrongKind();

private:
    QAction *item(const char *name) const
    {
        return m_tavola->menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    }
    void startKeeping();
    void choosePupil(const QString &name);
    QString cli(const QString &sql) const { return sqliteCli(m_path, sql); }

    QTemporaryDir m_dir;
    QString m_path;
};

void TestPupil::initTestCase()
{
    // As the program names itself, which names its settings files.
    QCoreApplication::setOrganizationName(QStringLiteral("Solvetra"));
    QCoreApplication::setApplicationName(QStringLiteral("solvetra"));
    if (!sqliteCliFound())
        QSKIP("the sqlite3 tool is not installed");
    QStandardPaths::setTestModeEnabled(true);
}

void TestPupil::init()
{
    files::Settings::user().clear();
    m_path = m_dir.filePath(QStringLiteral("%1-%2.sqlite")
                                .arg(QTest::currentTestFunction(), QTest::currentDataTag())
                                .replace(u' ', u'_'));
}

void TestPupil::cleanup()
{
    dropWindow();
    files::Settings::user().clear();
}

void TestPupil::startKeeping()
{
    m_tavola.reset();
    m_random = std::make_unique<quiz::MixingRandomSource>(3);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    m_tavola->keepRecord(m_path);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    control<QTimer>("Timer1")->stop();
}

void TestPupil::choosePupil(const QString &name)
{
    QVERIFY(playing::respond<ui::PupilDialog>([this] { item("chiGioca")->trigger(); },
                                              [&](ui::PupilDialog *dialog) {
                                                  dialog->nameEdit()->setText(name);
                                                  dialog->classEdit()->clear();
                                                  dialog->accept();
                                              }));
}

void TestPupil::chosenPupilNamesTheAnswers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::newRow("name and class") << "Anna Bianchi"
                                    << "3B";
    QTest::newRow("name alone") << "Bruno"
                                << "";
    QTest::newRow("spaces around are dropped") << "  Carla  "
                                               << " 2A ";
    QTest::newRow("no name: kept all the same") << ""
                                                << "";
}

void TestPupil::chosenPupilNamesTheAnswers()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    startKeeping();
    playing::answer(*m_tavola, false); // an earlier run, nobody named: it stays so
    startKeeping();
    playing::answer(*m_tavola, true); // before the name: the name takes it
    const bool shown =
        playing::respond<ui::PupilDialog>([this] { item("chiGioca")->trigger(); },
                                          [&](ui::PupilDialog *dialog) {
                                              dialog->nameEdit()->setText(name);
                                              dialog->classEdit()->setText(className);
                                              dialog->accept();
                                          });
    QVERIFY(shown);
    playing::answer(*m_tavola, false);
    playing::answer(*m_tavola, true);
    const QString who = name.simplified() + u'|' + className.simplified();
    QCOMPARE(cli(QStringLiteral("SELECT pupil || '|' || class FROM answer ORDER BY id")),
             QStringLiteral("|\n%1\n%1\n%1").arg(who));
    // The next run finds the same pupil.
    startKeeping();
    playing::answer(*m_tavola, true);
    QCOMPARE(cli(QStringLiteral("SELECT pupil || '|' || class FROM answer ORDER BY id DESC "
                                "LIMIT 1")),
             who);
}

void TestPupil::askedAtStartWithNamesSeen_data()
{
    QTest::addColumn<int>("pick"); // a row of the list, -1 for a new name, -2 for none
    QTest::addColumn<QString>("expected");
    QTest::newRow("an old name from the list") << 1 << "Bruno|3B";
    QTest::newRow("a new name typed") << -1 << "Dario|1C";
    QTest::newRow("Esc keeps the question, then Senza nome") << -2 << "|";
}

void TestPupil::askedAtStartWithNamesSeen()
{
    QFETCH(int, pick);
    QFETCH(QString, expected);
    // Two pupils played here before, Anna twice; the last one asks that
    // the window ask at every start from now on.
    const QList<std::pair<QString, QString>> before{
        {"Anna", "3B"}, {"Bruno", "3B"}, {"Anna", "3B"}};
    for (qsizetype i = 0; i < before.size(); ++i) {
        startKeeping();
        playing::respond<ui::PupilDialog>([this] { item("chiGioca")->trigger(); },
                                          [&](ui::PupilDialog *dialog) {
                                              dialog->nameEdit()->setText(before[i].first);
                                              dialog->classEdit()->setText(before[i].second);
                                              dialog->askBox()->setChecked(i == before.size() - 1);
                                              dialog->accept();
                                          });
        playing::answer(*m_tavola, true);
    }
    QStringList listed;
    bool emptyFields = false;
    bool stillAsking = false;
    const bool shown = playing::respond<ui::PupilDialog>(
        [this] { startKeeping(); },
        [&](ui::PupilDialog *dialog) {
            // The last pupil's name is not offered to the next one.
            emptyFields = dialog->nameEdit()->text().isEmpty();
            for (int i = 0; dialog->knownList() && i < dialog->knownList()->count(); ++i)
                listed << dialog->knownList()->item(i)->text();
            if (pick == -2) {
                // A name half typed, then Esc: the question stays, and
                // "Senza nome" plays without the half-typed name.
                dialog->nameEdit()->setText(QStringLiteral("Ann"));
                QTest::keyClick(dialog, Qt::Key_Escape);
                stillAsking = dialog->isVisible() && dialog->result() == QDialog::Rejected &&
                              QApplication::activeModalWidget() == dialog;
                dialog->withoutNameButton()->click();
                return;
            }
            if (pick >= 0) {
                dialog->knownList()->setCurrentRow(pick);
            } else {
                dialog->nameEdit()->setText(QStringLiteral("Dario"));
                dialog->classEdit()->setText(QStringLiteral("1C"));
            }
            dialog->accept();
        });
    QVERIFY(shown);
    QVERIFY(emptyFields);
    QCOMPARE(stillAsking, pick == -2);
    QCOMPARE(listed, (QStringList{"Anna (3B)", "Bruno (3B)"}));
    playing::answer(*m_tavola, false);
    QCOMPARE(cli(QStringLiteral("SELECT pupil || '|' || class FROM answer ORDER BY id DESC "
                                "LIMIT 1")),
             expected);
}

void TestPupil::statusBarSaysWhoPlays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nobody at level 1: empty, as designed") << ""
                                                           << "" << 1 << "";
    QTest::newRow("name, class and level 2") << "Anna Rossi"
                                             << "3B" << 2 << "Anna Rossi, 3B · Livello 2";
    QTest::newRow("name alone at level 1") << "Bruno"
                                           << "" << 1 << "Bruno";
    QTest::newRow("nobody at level 3") << ""
                                       << "" << 3 << "Livello 3";
}

// The fourth panel, after "Record di": who plays and, from level 2 on, the
// level; the screen reader reads it as shown. Without either it keeps the
// illustration, and the three designed panels keep their places.
void TestPupil::statusBarSaysWhoPlays()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(int, level);
    QFETCH(QString, expected);
    startKeeping();
    auto *panel = m_tavola->statusBar()->findChild<QLabel *>(QStringLiteral("Panel4"));
    QVERIFY(panel);
    QVERIFY(!panel->pixmap().isNull());
    const auto places = [this] {
        QList<QRect> list;
        for (const char *panelName : {"Panel1", "Panel2", "Panel3"})
            list << m_tavola->statusBar()
                        ->findChild<QLabel *>(QString::fromLatin1(panelName))
                        ->geometry();
        return list;
    };
    const QList<QRect> before = places();
    playing::respond<ui::PupilDialog>([this] { item("chiGioca")->trigger(); },
                                      [&](ui::PupilDialog *dialog) {
                                          dialog->nameEdit()->setText(name);
                                          dialog->classEdit()->setText(className);
                                          dialog->accept();
                                      });
    item(qPrintable(QStringLiteral("livello%1").arg(level)))->trigger();
    QCOMPARE(panel->text(), expected);
    QCOMPARE(panel->toolTip(), expected);
    QCOMPARE(panel->pixmap().isNull(), !expected.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(panel->accessibleName(), expected);
        QTRY_VERIFY(panel->width() >= panel->sizeHint().width());
    }
    QTRY_COMPARE(places(), before);
    // "Nuovo gioco" builds the bar again, saying the same.
    item("new")->trigger();
    panel = m_tavola->statusBar()->findChild<QLabel *>(QStringLiteral("Panel4"));
    QTRY_VERIFY(panel && panel->text() == expected);
}

void TestPupil::deleteAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::addColumn<bool>("classFolder");
    QTest::newRow("yes deletes") << QMessageBox::Yes << false;
    QTest::newRow("no keeps") << QMessageBox::No << false;
    // The copy in the class folder is never deleted: the question says so.
    QTest::newRow("yes deletes, the class folder's copy stays") << QMessageBox::Yes << true;
}

// On a shared account "Cancella i miei risultati" deletes the answers of
// the pupil who plays, the other's untouched; deleting every answer is a
// command of its own, with its own question.
void TestPupil::deleteAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, reply);
    QFETCH(bool, classFolder);
    startKeeping();
    QTemporaryDir share;
    if (classFolder)
        m_tavola->keepRecord(m_path, {{}, share.filePath(QStringLiteral("pupil@lab.sqlite"))});
    for (const QString &pupil : {u"Anna"_qs, u"Bruno"_qs}) {
        choosePupil(pupil);
        for (int i = 0; i < 3; ++i)
            playing::answer(*m_tavola, i != 1);
    }
    const auto counts = [this] {
        return cli(QStringLiteral("SELECT pupil || ':' || count(*) FROM answer GROUP BY pupil "
                                  "ORDER BY pupil"));
    };
    if (classFolder)
        QTRY_COMPARE_WITH_TIMEOUT(record::RecordReader().read({share.path()}).answers.size(), 6,
                                  20000);
    {
        ModalBoxes boxes({reply, QMessageBox::Ok});
        item("cancella")->trigger();
        QVERIFY(!boxes.seen.isEmpty());
        QCOMPARE(boxes.seen[0].defaultButton, QMessageBox::No); // a slip of Enter keeps them
        QVERIFY2(boxes.seen[0].text.contains(u"Bruno"), qPrintable(boxes.seen[0].text));
        QCOMPARE(boxes.seen[0].text.contains(QStringLiteral("cartella della classe")), classFolder);
        QCOMPARE(boxes.seen.size(), reply == QMessageBox::Yes ? 2 : 1);
    }
    QCOMPARE(counts(), reply == QMessageBox::Yes ? u"Anna:3"_qs : u"Anna:3\nBruno:3"_qs);
    if (classFolder) {
        playing::answer(*m_tavola, true);
        // Every answer ever copied is still in the folder: the older copy
        // stays beside the new one.
        QTRY_COMPARE_WITH_TIMEOUT(QDir(share.path()).entryList(QDir::Files).size(), 2, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(record::RecordReader().read({share.path()}).answers.size(), 7,
                                  20000);
        m_tavola.reset();
        return;
    }
    {
        ModalBoxes boxes({reply, QMessageBox::Ok});
        item("cancellaTutti")->trigger();
        QVERIFY(!boxes.seen.isEmpty());
        QCOMPARE(boxes.seen[0].defaultButton, QMessageBox::No);
    }
    QCOMPARE(QFileInfo::exists(m_path), reply != QMessageBox::Yes);
    // The quiz goes on, and the next answer starts a new file.
    playing::answer(*m_tavola, true);
    QCOMPARE(counts(), reply == QMessageBox::Yes ? u"Bruno:1"_qs : u"Anna:3\nBruno:4"_qs);
}

// Two windows of one account: "Cancella tutti..." in one, and the other's
// later answers go into a new file instead of the deleted one.
void TestPupil::deleteReachesTheOtherWindow()
{
    startKeeping();
    quiz::MixingRandomSource random(5);
    ui::Tavola other(m_clock, random, m_platform);
    other.keepRecord(m_path);
    other.start();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    playing::answer(other, true);
    playing::answer(*m_tavola, true);
    {
        ModalBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
        item("cancellaTutti")->trigger();
        QCOMPARE(boxes.seen.size(), 2);
    }
    QVERIFY(!QFileInfo::exists(m_path));
    playing::answer(other, false);
    playing::answer(other, true);
    QCOMPARE(cli(QStringLiteral("SELECT count(*), sum(right) FROM answer")), "2|1");
    playing::answer(*m_tavola, true);
    QCOMPARE(cli(QStringLiteral("SELECT count(*), sum(right) FROM answer")), "3|2");
}

void TestPupil::exportCopiesTheFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("copied");
    QTest::newRow("into a folder of the user") << "copia.sqlite" << true;
    QTest::newRow("into a folder that is not there") << "manca/copia.sqlite" << false;
}

// The copy holds the answers of the pupil who plays, and nothing of the
// other pupil on the same account, not even in the file's free pages.
void TestPupil::exportCopiesTheFile()
{
    QFETCH(QString, target);
    QFETCH(bool, copied);
    const QString to = m_dir.filePath(target);
    startKeeping();
    for (const QString &pupil : {u"Bruno"_qs, u"Anna"_qs}) {
        choosePupil(pupil);
        for (int i = 0; i < 4; ++i)
            playing::answer(*m_tavola, i % 2 == 0);
    }
    playing::answer(*m_tavola, false);
    ModalBoxes boxes({QMessageBox::Ok});
    m_platform.savedFile = to;
    m_platform.savesProposed.clear();
    item("esporta")->trigger();
    // Asked once, proposing a name in a folder that is not the home folder.
    QCOMPARE(m_platform.savesProposed.size(), 1);
    QVERIFY2(!m_platform.savesProposed[0].startsWith(QDir::homePath()),
             qPrintable(m_platform.savesProposed[0]));
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].icon, copied ? QMessageBox::Information : QMessageBox::Warning);
    QCOMPARE(QFileInfo::exists(to), copied);
    QVERIFY(!QFileInfo::exists(to + QStringLiteral(".part")));
    if (!copied)
        return;
    QVERIFY2(boxes.seen[0].text.contains(to), qPrintable(boxes.seen[0].text));
    QCOMPARE(sqliteCli(to, QStringLiteral("SELECT pupil, count(*), sum(right) FROM answer "
                                          "GROUP BY pupil")),
             cli(QStringLiteral("SELECT pupil, count(*), sum(right) FROM answer "
                                "WHERE pupil = 'Anna' GROUP BY pupil")));
    QFile copy(to);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(!copy.readAll().contains("Bruno"));
    // The record itself keeps both.
    QCOMPARE(cli(QStringLiteral("SELECT count(DISTINCT pupil) FROM answer")), u"2"_qs);
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(to).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
}

void TestPupil::recordItemsGreyWithoutRecord()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(8));
    const auto names = {"chiGioca", "risultati", "esporta", "cancella", "cancellaTutti", "ripasso"};
    for (const char *name : names)
        QVERIFY2(!item(name)->isEnabled(), name);
    m_tavola->keepRecord(m_path);
    for (const char *name : names)
        QVERIFY2(item(name)->isEnabled(), name);
}

// With "Ripasso" on, a kind always answered wrong comes back far more often
// than one in six, and keeps doing so in the next run, read from the file.
void TestPupil::reviewBringsBackWrongKind()
{
    startKeeping();
    QVERIFY(!item("ripasso")->isChecked()); // off unless chosen
    item("ripasso")->trigger();
    QVERIFY(item("ripasso")->isChecked());
    constexpr qint16 wrongPick = 2;
    constexpr int problems = 90;
    for (int run = 0; run < 2; ++run) {
        if (run == 1) {
            startKeeping();
            QVERIFY(item("ripasso")->isChecked()); // remembered
        }
        int seen = 0;
        for (int i = 0; i < problems; ++i) {
            const bool isWrongKind = m_tavola->state().HiddenPick == wrongPick;
            seen += isWrongKind;
            playing::answer(*m_tavola, !isWrongKind);
        }
        QVERIFY2(seen > 2 * problems / 6, qPrintable(QString::number(seen)));
    }
}

QTEST_MAIN(TestPupil)
#include "tst_pupil.moc"
