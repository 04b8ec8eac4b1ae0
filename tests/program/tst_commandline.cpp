// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/identity.h"
#include "app/version.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <algorithm>

using app::CommandLineResult;
using namespace Qt::StringLiterals;
using Action = CommandLineResult::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void usageErrorNamesTheOptionAndHints_data();
    void usageErrorNamesTheOptionAndHints();
    void missingFileNameIsNamed_data();
    void missingFileNameIsNamed();
    void worksheetNameGetsPdf_data();
    void worksheetNameGetsPdf();
    void echoedValueIsQuotedAndCut_data();
    void echoedValueIsQuotedAndCut();
    void askedLanguageIsTheParsedOne_data();
    void askedLanguageIsTheParsedOne();
    void assignmentCodeCarriesTheOptions();
    void helpListsOwnOptionsOnly();
    void versionPrintsNameAndVersion();
    void desktopFilesUseTheIdentity();
};

void TestCommandLine::outcome_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<bool>("toStandardError");

    const auto row = [](const char *name, QStringList arguments, Action action, int status,
                        bool toStandardError) {
        arguments.prepend(QStringLiteral("solvetra"));
        QTest::newRow(name) << arguments << action << status << toStandardError;
    };
    row("no arguments opens the window", {}, Action::RunWindow, 0, false);
    row("Qt platform option passes through", {"-platform", "offscreen"}, Action::RunWindow, 0,
        false);
    row("Qt style option with = passes through", {"-style=Fusion"}, Action::RunWindow, 0, false);
    row("Qt option with two dashes passes through", {"--platform", "xcb"}, Action::RunWindow, 0,
        false);
    row("Qt flag option passes through", {"-reverse"}, Action::RunWindow, 0, false);
    row("--help", {"--help"}, Action::PrintAndExit, 0, false);
    row("-h", {"-h"}, Action::PrintAndExit, 0, false);
    row("--version", {"--version"}, Action::PrintAndExit, 0, false);
    row("-v", {"-v"}, Action::PrintAndExit, 0, false);
    row("help after a Qt option", {"-platform", "offscreen", "--help"}, Action::PrintAndExit, 0,
        false);
    row("unknown long option", {"--bogus"}, Action::PrintAndExit, 2, true);
    row("unknown option beside help is still refused", {"--help", "--bogus"}, Action::PrintAndExit,
        2, true);
    row("unknown single-dash word", {"-bogus"}, Action::PrintAndExit, 2, true);
    row("compacted short options are not taken apart", {"-hv"}, Action::PrintAndExit, 2, true);
    row("stray argument", {"problems.txt"}, Action::PrintAndExit, 2, true);
    row("argument after --", {"--", "--help"}, Action::PrintAndExit, 2, true);
    row("Qt option without its value", {"-style"}, Action::PrintAndExit, 2, true);
    row("value given to a switch", {"--version=3"}, Action::PrintAndExit, 2, true);
    row("--count without --worksheet", {"--count", "5"}, Action::PrintAndExit, 2, true);
    row("--seed without --worksheet", {"--seed", "7"}, Action::PrintAndExit, 2, true);
    row("--theorem without --worksheet", {"--theorem", "leg"}, Action::PrintAndExit, 2, true);
    row("--level without --worksheet", {"--level", "2"}, Action::PrintAndExit, 2, true);
    row("--new-assignment prints a code", {"--new-assignment"}, Action::PrintAndExit, 0, false);
    row("--new-assignment with its options",
        {"--new-assignment", "--level", "3", "--theorem", "leg", "--count", "60", "--seed", "0"},
        Action::PrintAndExit, 0, false);
    row("--new-assignment with a wrong count", {"--new-assignment", "--count", "61"},
        Action::PrintAndExit, 2, true);
    row("--new-assignment with --key", {"--new-assignment", "--key", "none"}, Action::PrintAndExit,
        2, true);
    row("--new-assignment with --worksheet", {"--new-assignment", "--worksheet", "a.pdf"},
        Action::PrintAndExit, 2, true);
    row("--assignment opens the window on it", {"--assignment", "j8c0 dq5y mr"}, Action::RunWindow,
        0, false);
    row("--assignment not a code", {"--assignment", "J8C0-DQ5Y-RM"}, Action::PrintAndExit, 2, true);
    row("--assignment without its code", {"--assignment"}, Action::PrintAndExit, 2, true);
    row("--language for the window", {"--language", "de"}, Action::RunWindow, 0, false);
    row("--language beside --help", {"--help", "--language", "es"}, Action::PrintAndExit, 0, false);
    row("--language without a value", {"--language"}, Action::PrintAndExit, 2, true);
    row("--language of no translation", {"--language", "fr"}, Action::PrintAndExit, 2, true);
    row("--language in capitals", {"--language", "DE"}, Action::PrintAndExit, 2, true);
}

void TestCommandLine::outcome()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(int, exitStatus);
    QFETCH(bool, toStandardError);

    const CommandLineResult result = app::parseCommandLine(arguments, QStringLiteral("1.0"));
    QCOMPARE(result.action, action);
    QCOMPARE(result.exitStatus, exitStatus);
    QCOMPARE(result.toStandardError, toStandardError);
    QCOMPARE(result.output.isEmpty(), action == Action::RunWindow);
}

// The printed code, given back with --assignment, opens the window on the
// problems the options asked for.
void TestCommandLine::assignmentCodeCarriesTheOptions()
{
    const auto made =
        app::parseCommandLine({"solvetra", "--new-assignment", "--level=2", "--theorem=altitude",
                               "--count=5", "--seed=4294967295"},
                              "1.0");
    QCOMPARE(made.exitStatus, 0);
    const auto opened =
        app::parseCommandLine({"solvetra", "--assignment", made.output.trimmed()}, "1.0");
    QCOMPARE(opened.action, Action::RunWindow);
    QCOMPARE(opened.assignment,
             std::optional(quiz::Assignment{quiz::Level::AllSides, quiz::TheoremChoice::Altitude, 5,
                                            4294967295u}));
}

void TestCommandLine::usageErrorNamesTheOptionAndHints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("two dashes") << QStringList{"solvetra", "--bogus"}
                                << "solvetra: opzione sconosciuta: --bogus";
    QTest::newRow("one dash, after a Qt option")
        << QStringList{"solvetra", "-platform", "offscreen", "-bogus"}
        << "solvetra: opzione sconosciuta: -bogus";
    QTest::newRow("with a value") << QStringList{"solvetra", "--colore=rosso"}
                                  << "solvetra: opzione sconosciuta: --colore";
    QTest::newRow("stray argument")
        << QStringList{"solvetra", "quaderno"} << "solvetra: argomento inatteso: «quaderno»";
}

void TestCommandLine::usageErrorNamesTheOptionAndHints()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);

    const QStringList lines =
        app::parseCommandLine(arguments, QStringLiteral("1.0")).output.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3); // two lines and the final newline
    QCOMPARE(lines[0], firstLine);
    QCOMPARE(lines[1], QStringLiteral("Per l'elenco delle opzioni: solvetra --help"));
}

void TestCommandLine::missingFileNameIsNamed_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("arguments");
    for (const QString option : {"--worksheet", "--moodle", "--gift"}) {
        const auto row = [&option](const QString &name, const QStringList &arguments) {
            QTest::addRow("%s", qPrintable(QString(name).replace(u'@', option)))
                << option << QStringList(arguments).replaceInStrings(u"@"_s, option);
        };
        row("@ --count 20", {"@", "--count", "20"});
        row("@ --help", {"@", "--help"});
        row("@=--help", {"@=--help"});
        row("@ -name.pdf", {"@", "-name.pdf"});
        row("@ \"\"", {"@", ""});
        row("--count 5 @", {"--count", "5", "@"});
    }
}

// All say the one thing that is wrong, as --worksheet alone at the end does,
// and never write a file named like an option.
void TestCommandLine::missingFileNameIsNamed()
{
    QFETCH(QString, option);
    QFETCH(QStringList, arguments);
    const auto result = app::parseCommandLine(QStringList{"solvetra"} + arguments, "1.0");
    const auto alone = app::parseCommandLine({"solvetra", option}, "1.0");
    QVERIFY2(alone.output.contains(option + u' '), qPrintable(alone.output));
    QCOMPARE(result.action, Action::PrintAndExit);
    QCOMPARE(result.exitStatus, app::usageErrorStatus);
    QCOMPARE(result.output, alone.output);
    QVERIFY(!result.output.contains(QStringLiteral("inatteso")));
}

void TestCommandLine::worksheetNameGetsPdf_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("added");
    for (const auto &[option, suffix] :
         {std::pair{"--worksheet", ".pdf"}, std::pair{"--moodle", ".xml"},
          std::pair{"--gift", ".gift"}}) {
        const QString stem = u"scheda"_s;
        const auto row = [&](const QString &given, bool added) {
            QTest::addRow("%s %s", option, qPrintable(given)) << option << suffix << given << added;
        };
        row(stem, true);
        row(stem + suffix, false);
        row((stem + suffix).toUpper(), false);
        row(u"scheda.txt"_s, true);
        row(u"./-name"_s, true);
        row(u"."_s, false);      // a folder is left to be refused
        row(u"nuova/"_s, false); // so is a name ending in /
    }
}

void TestCommandLine::worksheetNameGetsPdf()
{
    QFETCH(QString, option);
    QFETCH(QString, suffix);
    QFETCH(QString, given);
    QFETCH(bool, added);
    const auto result = app::parseCommandLine({"solvetra", option, given}, "1.0");
    const QString path = option == u"--worksheet" ? result.worksheet.path
                         : option == u"--moodle"  ? result.questionFiles.files.moodlePath
                                                  : result.questionFiles.files.giftPath;
    QVERIFY(result.action != Action::PrintAndExit);
    QVERIFY(path.startsWith(given));
    QCOMPARE(path.endsWith(suffix, Qt::CaseInsensitive),
             added || given.endsWith(suffix, Qt::CaseInsensitive));
    QCOMPARE(path.size() > given.size(), added);
}

void TestCommandLine::echoedValueIsQuotedAndCut_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("value");
    const QString huge(100000, u'7');
    QTest::newRow("empty argument") << QStringList{""} << QString();
    QTest::newRow("100,000-character argument") << QStringList{huge} << huge;
    QTest::newRow("100,000-character --count")
        << QStringList{"--worksheet", "x.pdf", "--count", huge} << huge;
    QTest::newRow("long option") << QStringList{"--" + QString(500, u'x')} << QString(500, u'x');
}

// The line stays short whatever the value, and an empty one is still seen.
void TestCommandLine::echoedValueIsQuotedAndCut()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, value);
    const auto result = app::parseCommandLine(QStringList{"solvetra"} + arguments, "1.0");
    const QString first = result.output.section(u'\n', 0, 0);
    QVERIFY2(first.size() < 200, qPrintable(first.left(300)));
    if (value.isEmpty())
        QVERIFY2(first.endsWith(QStringLiteral("«»")), qPrintable(first));
    else
        QVERIFY2(first.contains(value.left(40)) && first.contains(u'…'), qPrintable(first));
}

// The language asked before the parse is the one the parse then reads.
void TestCommandLine::askedLanguageIsTheParsedOne_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{"solvetra"};
    QTest::newRow("two words") << QStringList{"solvetra", "--language", "es"};
    QTest::newRow("with =") << QStringList{"solvetra", "--language=en"};
    QTest::newRow("one dash") << QStringList{"solvetra", "-language", "de"};
    QTest::newRow("Italian after a Qt option")
        << QStringList{"solvetra", "-platform", "offscreen", "--language", "it"};
    QTest::newRow("for a worksheet")
        << QStringList{"solvetra", "--worksheet", "a.pdf", "--language", "de"};
}

void TestCommandLine::askedLanguageIsTheParsedOne()
{
    QFETCH(QStringList, arguments);
    const app::CommandLineResult result = app::parseCommandLine(arguments, QStringLiteral("1.0"));
    QCOMPARE(result.exitStatus, 0);
    QCOMPARE(app::askedLanguage(arguments), result.language);
    QCOMPARE(result.language.has_value(), arguments.join(u' ').contains(QLatin1String("language")));
}

void TestCommandLine::helpListsOwnOptionsOnly()
{
    const QString help =
        app::parseCommandLine({"solvetra", "--help"}, QStringLiteral("1.0")).output;
    QVERIFY(help.startsWith(QStringLiteral("Uso: solvetra [opzioni]\n")));
    // Options and descriptions line up in two columns, whatever the widest option.
    const QRegularExpression helpLine(
        QStringLiteral("\n  -h, --help( +)Mostra questo aiuto ed esce.\n"));
    const QRegularExpression versionLine(
        QStringLiteral("\n  -v, --version( +)Mostra la versione ed esce.\n"));
    const QRegularExpressionMatch help1 = helpLine.match(help);
    const QRegularExpressionMatch version1 = versionLine.match(help);
    QVERIFY(help1.hasMatch() && version1.hasMatch());
    QCOMPARE(help1.captured(1).size(), version1.captured(1).size() + 3);
    QVERIFY(help.contains(QStringLiteral("--worksheet <file.pdf>")));
    // Qt's options are accepted but not advertised one by one.
    QVERIFY(!help.contains(QStringLiteral("--platformpluginpath")));
    QVERIFY(!help.contains(QStringLiteral("--widgetcount")));
    QVERIFY(help.endsWith(QLatin1Char('\n')));
    // -platform means nothing to a sheet written without a window.
    QVERIFY(help.contains(QStringLiteral("-platform")) &&
            help.contains(QStringLiteral("--worksheet")));
}

void TestCommandLine::versionPrintsNameAndVersion()
{
    QCOMPARE(app::parseCommandLine({"solvetra", "-v"}, QStringLiteral("2.3.1")).output,
             QStringLiteral("solvetra 2.3.1\n"));
}

// The desktop finds the running window's entry, icon and AppStream data by one
// id; a rename in one place only would break the menu or the software centre.
void TestCommandLine::desktopFilesUseTheIdentity()
{
    app::applyIdentity();
    QStringList domainParts = QCoreApplication::organizationDomain().split(QLatin1Char('.'));
    std::reverse(domainParts.begin(), domainParts.end());
    const QString reversedDomain = domainParts.join(QLatin1Char('.'));
    QCOMPARE(app::desktopId,
             reversedDomain + QLatin1Char('.') + QCoreApplication::applicationName());
    QCOMPARE(QGuiApplication::desktopFileName(), app::desktopId);
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(SOLVETRA_VERSION));

    const QString folder = QStringLiteral(SOLVETRA_SOURCE_DIR "/desktop/");
    QSettings entry(folder + app::desktopId + QStringLiteral(".desktop"), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QCoreApplication::applicationName());
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), app::desktopId);
    QCOMPARE(entry.value(QStringLiteral("Name")).toString(), app::displayName);

    QFile metainfo(folder + app::desktopId + QStringLiteral(".metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QByteArray xml = metainfo.readAll();
    QVERIFY(xml.contains("<id>" + app::desktopId.toUtf8() + "</id>"));
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + app::desktopId.toUtf8() +
                         ".desktop</launchable>"));
    QVERIFY(xml.contains("<binary>" + QCoreApplication::applicationName().toUtf8() + "</binary>"));
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
