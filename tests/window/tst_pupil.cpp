// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays, and the pupil's own file: "Chi gioca..." names the answers,
// "Chi gioca?" at start on a shared account, "Esporta" and "Cancella". The
// record is a real file, read back with the sqlite3 tool.
#include "support/modalboxes.h"
#include "support/playing.h"
#include "support/sqlitecli.h"
#include "support/tavolafixture.h"

#include "files/settings.h"
#include "ui/dialogs/pupildialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenuBar>
#include <QStandardPaths>
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
    void recordItemsGreyWithoutRecord();
    void reviewBringsBackWrongKind();

private:
    QAction *item(const char *name) const
    {
        return m_tavola->menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    }
    void startKeeping();
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
    playing::answer(*m_tavola, true); // before: nobody named
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
             QStringLiteral("|\n%1\n%1").arg(who));
    // The next run finds the same pupil.
    startKeeping();
    playing::answer(*m_tavola, true);
    QCOMPARE(cli(QStringLiteral("SELECT pupil || '|' || class FROM answer ORDER BY id DESC "
                                "LIMIT 1")),
             who);
}

void TestPupil::askedAtStartWithNamesSeen_data()
{
    QTest::addColumn<int>("pick"); // a row of the list, or -1 for a new name
    QTest::addColumn<QString>("expected");
    QTest::newRow("an old name from the list") << 1 << "Bruno|3B";
    QTest::newRow("a new name typed") << -1 << "Dario|1C";
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
    const bool shown = playing::respond<ui::PupilDialog>(
        [this] { startKeeping(); },
        [&](ui::PupilDialog *dialog) {
            // The last pupil's name is not offered to the next one.
            emptyFields = dialog->nameEdit()->text().isEmpty();
            for (int i = 0; dialog->knownList() && i < dialog->knownList()->count(); ++i)
                listed << dialog->knownList()->item(i)->text();
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
    QCOMPARE(listed, (QStringList{"Anna (3B)", "Bruno (3B)"}));
    playing::answer(*m_tavola, false);
    QCOMPARE(cli(QStringLiteral("SELECT pupil || '|' || class FROM answer ORDER BY id DESC "
                                "LIMIT 1")),
             expected);
}

void TestPupil::deleteAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::newRow("yes deletes") << QMessageBox::Yes;
    QTest::newRow("no keeps") << QMessageBox::No;
}

void TestPupil::deleteAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, reply);
    startKeeping();
    for (int i = 0; i < 3; ++i)
        playing::answer(*m_tavola, i != 1);
    {
        ModalBoxes boxes({reply, QMessageBox::Ok});
        item("cancella")->trigger();
        QVERIFY(!boxes.seen.isEmpty());
        QCOMPARE(boxes.seen[0].defaultButton, QMessageBox::No); // a slip of Enter keeps them
        QCOMPARE(boxes.seen.size(), reply == QMessageBox::Yes ? 2 : 1);
    }
    QCOMPARE(QFileInfo::exists(m_path), reply != QMessageBox::Yes);
    // The quiz goes on, and the next answer starts a new file.
    playing::answer(*m_tavola, true);
    QCOMPARE(cli(QStringLiteral("SELECT count(*) FROM answer")),
             reply == QMessageBox::Yes ? "1" : "4");
}

// Two windows of one account: "Cancella" in one, and the other's later
// answers go into a new file instead of the deleted one.
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
        item("cancella")->trigger();
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

void TestPupil::exportCopiesTheFile()
{
    QFETCH(QString, target);
    QFETCH(bool, copied);
    const QString to = m_dir.filePath(target);
    startKeeping();
    for (int i = 0; i < 4; ++i)
        playing::answer(*m_tavola, i % 2 == 0);
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
    if (!copied)
        return;
    QVERIFY2(boxes.seen[0].text.contains(to), qPrintable(boxes.seen[0].text));
    QCOMPARE(sqliteCli(to, QStringLiteral("SELECT count(*), sum(right) FROM answer")),
             cli(QStringLiteral("SELECT count(*), sum(right) FROM answer")));
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(to).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
}

void TestPupil::recordItemsGreyWithoutRecord()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(8));
    for (const char *name : {"chiGioca", "risultati", "esporta", "cancella", "ripasso"})
        QVERIFY2(!item(name)->isEnabled(), name);
    m_tavola->keepRecord(m_path);
    for (const char *name : {"chiGioca", "risultati", "esporta", "cancella", "ripasso"})
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
