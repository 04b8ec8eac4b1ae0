// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/languagechoice.h"
#include "format/language.h"
#include "record/recordrows.h"
#include "support/modalboxes.h"
#include "support/tavolafixture.h"
#include "ui/results/resultswindow.h"
#include "ui/window/appsetup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using format::Language;

Q_DECLARE_METATYPE(format::Language)

namespace {

// Texts no language changes: numbers, single letters, the unit and the
// program's name.
bool sameInEveryLanguage(QString text)
{
    text.remove(u'&');
    static const QRegularExpression numeric(QStringLiteral("^[\\d\\s.,:;/·%+\\-−=?()]*$"));
    return numeric.match(text).hasMatch() || (text.size() == 1 && text[0].isLetter()) ||
           text == QLatin1String("cm") || text == QLatin1String("Solvetra");
}

void addMenuTexts(QMap<QString, QString> &texts, const QString &path, const QList<QAction *> &items)
{
    for (QAction *item : items) {
        if (item->isSeparator() || item->text().isEmpty())
            continue;
        const QString key = path + u'/' + item->objectName();
        // Each language is listed by its own name, the same in every language.
        if (!key.contains(QLatin1String("/lingua_")))
            texts.insert(QStringLiteral("menu:") + key, item->text());
        if (item->menu())
            addMenuTexts(texts, key, item->menu()->actions());
    }
}

// Every text a pupil sees, or hears from a screen reader: captions, button
// texts, tool tips, accessible names and descriptions, menu items, the
// window's title; keyed by where it is.
QMap<QString, QString> windowTexts(const QMainWindow &window)
{
    QMap<QString, QString> texts;
    QMap<QString, int> seen;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        const QString name =
            widget->objectName() + u'#' + QString::number(seen[widget->objectName()]++);
        if (!widget->toolTip().isEmpty())
            texts.insert(QStringLiteral("tip:") + name, widget->toolTip());
        if (!widget->accessibleName().isEmpty())
            texts.insert(QStringLiteral("reader name:") + name, widget->accessibleName());
        if (!widget->accessibleDescription().isEmpty())
            texts.insert(QStringLiteral("reader description:") + name,
                         widget->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
            texts.insert(QStringLiteral("label:") + name, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget);
            button && !button->text().isEmpty())
            texts.insert(QStringLiteral("button:") + name, button->text());
    }
    addMenuTexts(texts, QString(), window.menuBar()->actions());
    texts.insert(QStringLiteral("title"), window.windowTitle());
    return texts;
}

// The pupil's results: captions, buttons and the tables' headings.
QMap<QString, QString> resultsTexts(Language language)
{
    format::useLanguage(language);
    QList<record::AnswerRow> answers;
    for (int i = 0; i < 9; ++i)
        answers << numberedAnswer(i);
    const ui::ResultsWindow window(answers, {QStringLiteral("Ada"), QStringLiteral("3B")},
                                   QDate(2026, 12, 9), format::DisplayLocale::current());
    QMap<QString, QString> texts;
    int n = 0;
    for (QLabel *label : window.findChildren<QLabel *>())
        texts.insert(QStringLiteral("label %1").arg(n++), label->text());
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        texts.insert(QStringLiteral("button %1").arg(n++), button->text());
    for (QTableWidget *table : window.findChildren<QTableWidget *>())
        for (int column = 0; column < table->columnCount(); ++column)
            if (QTableWidgetItem *heading = table->horizontalHeaderItem(column))
                texts.insert(QStringLiteral("heading %1").arg(n++), heading->text());
    texts.insert(QStringLiteral("title"), window.windowTitle());
    return texts;
}

// The labels whose text is wider than the room they have.
QStringList cutLabels(const QMainWindow &window)
{
    QStringList cut;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->wordWrap())
            continue;
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            cut << label->objectName();
    }
    return cut;
}

// A length as a pupil writes it, with the separator of that locale.
QString written(double value, const QLocale &locale)
{
    QString text = QString::number(value, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text.replace(u'.', locale.decimalPoint());
}

} // namespace

// The whole window in German, Spanish and English, against the window built
// in Italian, its source language.
class TestLanguages : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        dropWindow();
        format::useLanguage(Language::Italian);
    }

    void everyTextTranslated_data();
    void everyTextTranslated();
    void answersWithTheLanguagesSeparator_data();
    void answersWithTheLanguagesSeparator();
    void workedSolutionInTheLanguage_data();
    void workedSolutionInTheLanguage();
    void menuChoiceTakesEffectAtNewGame();
    void resultsWindowTranslated_data();
    void resultsWindowTranslated();
    void standardButtonsInTheLanguage_data();
    void standardButtonsInTheLanguage();

private:
    void startIn(Language language, quint64 seed);
    void playToAFractionalAnswer();
};

void TestLanguages::startIn(Language language, quint64 seed)
{
    format::useLanguage(language);
    startWith(std::make_unique<quiz::MixingRandomSource>(seed));
}

// Wrong answers of 0 until the length asked has decimals.
void TestLanguages::playToAFractionalAnswer()
{
    for (int i = 0; i < 200; ++i) {
        const float expected = m_tavola->state().ExpectedValue;
        if (std::floor(expected) != expected)
            return;
        QTest::keyClicks(answerBox(), QStringLiteral("0"));
        QTest::keyClick(answerBox(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QFAIL("no problem with a fractional answer in 200");
}

void addLanguageRows()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("de") << Language::German << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("es") << Language::Spanish << QLocale(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("en") << Language::English << QLocale(QLocale::English, QLocale::UnitedKingdom);
}

void TestLanguages::everyTextTranslated_data()
{
    addLanguageRows();
}

void TestLanguages::everyTextTranslated()
{
    QFETCH(Language, language);
    startIn(Language::Italian, 7);
    const QMap<QString, QString> italian = windowTexts(*m_tavola);
    const QStringList cutInItalian = cutLabels(*m_tavola);
    startIn(language, 7);
    const QMap<QString, QString> translated = windowTexts(*m_tavola);

    QVERIFY(italian.size() > 30);
    int compared = 0;
    for (auto it = italian.cbegin(); it != italian.cend(); ++it) {
        QVERIFY2(translated.contains(it.key()), qPrintable(it.key()));
        if (sameInEveryLanguage(it.value()))
            continue;
        // A leg is "cateto" in Spanish too.
        if (language == Language::Spanish && it.value().startsWith(QLatin1String("Cateto ")))
            continue;
        ++compared;
        QVERIFY2(translated[it.key()] != it.value(),
                 qPrintable(it.key() + QStringLiteral(" still reads ") + it.value()));
    }
    QVERIFY(compared > 20);
    for (const QString &name : cutLabels(*m_tavola))
        QVERIFY2(cutInItalian.contains(name), qPrintable(name + QStringLiteral(" is cut off")));
}

void TestLanguages::answersWithTheLanguagesSeparator_data()
{
    addLanguageRows();
}

void TestLanguages::answersWithTheLanguagesSeparator()
{
    QFETCH(Language, language);
    QFETCH(QLocale, locale);
    startIn(Language::Italian, 11);
    playToAFractionalAnswer();
    const QString italianWrong = label("lblMessage")->text();
    startIn(language, 11);
    playToAFractionalAnswer();

    // Right: the length typed with the language's separator.
    const float expected = m_tavola->state().ExpectedValue;
    const QString right = written(expected, locale);
    const qint16 rightBefore = m_tavola->state().RightCount;
    QTest::keyClicks(answerBox(), right);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(m_tavola->state().RightCount, qint16(rightBefore + 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    // Wrong: typed with the other key, which becomes the separator.
    playToAFractionalAnswer();
    const float next = m_tavola->state().ExpectedValue;
    const QChar otherKey = locale.decimalPoint() == QLatin1String(",") ? u'.' : u',';
    const QString wrong = written(next + 1, locale).replace(locale.decimalPoint(), otherKey);
    const qint16 wrongBefore = m_tavola->state().WrongCount;
    QTest::keyClicks(answerBox(), wrong);
    QCOMPARE(answerBox()->text(), written(next + 1, locale));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(m_tavola->state().WrongCount, qint16(wrongBefore + 1));
    const QString verdict = label("lblMessage")->text();
    QVERIFY2(verdict.endsWith(written(next, locale)), qPrintable(verdict));
    QVERIFY(verdict.section(u' ', 0, 0) != italianWrong.section(u' ', 0, 0));
}

void TestLanguages::workedSolutionInTheLanguage_data()
{
    addLanguageRows();
}

void TestLanguages::workedSolutionInTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QLocale, locale);
    startIn(language, 5);
    playToAFractionalAnswer();
    QTest::keyClicks(answerBox(), QStringLiteral("0"));
    QTest::keyClick(answerBox(), Qt::Key_Return);
    ModalBoxes boxes;
    m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("soluzione"))->trigger();
    QCOMPARE(boxes.seen.size(), 1);
    const QString text = boxes.seen[0].text;
    const QString last = text.section(u'\n', -1);
    QVERIFY2(
        last.endsWith(written(m_tavola->state().ExpectedValue, locale) + QStringLiteral(" cm")),
        qPrintable(text));
    // Italian theorem names and decimal separators of another language are gone.
    for (const char *italian : {"Euclide", "Pitagora", "Somma", "teorema"})
        QVERIFY2(!text.contains(QLatin1String(italian)), qPrintable(text));
    const QChar other = locale.decimalPoint() == QLatin1String(",") ? u'.' : u',';
    QVERIFY2(
        !text.contains(QRegularExpression(QStringLiteral("\\d\\") + other + QStringLiteral("\\d"))),
        qPrintable(text));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\d\\") + locale.decimalPoint() +
                                             QStringLiteral("\\d"))));
}

// Chosen in the menu, the language is remembered at once and spoken from the
// next "Nuovo gioco", which rebuilds the window.
void TestLanguages::menuChoiceTakesEffectAtNewGame()
{
    startIn(Language::Italian, 3);
    const QString heading = label("Label6")->text();
    QAction *german = m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("lingua_de"));
    QVERIFY(german && german->isCheckable() && !german->isChecked());
    german->trigger();
    QCOMPARE(files::rememberedLanguage(), std::optional(Language::German));
    QVERIFY(!m_tavola->statusBar()->currentMessage().isEmpty());
    QCOMPARE(label("Label6")->text(), heading);
    QCOMPARE(format::currentLanguage(), Language::Italian);
    // Back to Italian and to German again before the restart.
    m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("lingua_it"))->trigger();
    QVERIFY(m_tavola->statusBar()->currentMessage().isEmpty());
    QCOMPARE(files::rememberedLanguage(), std::optional(Language::Italian));
    german->trigger();

    m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("new"))->trigger();
    QCOMPARE(format::currentLanguage(), Language::German);
    QVERIFY(label("Label6")->text() != heading);
    QVERIFY(m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("lingua_de"))->isChecked());
    files::rememberLanguage(Language::Italian);
}

void TestLanguages::resultsWindowTranslated_data()
{
    addLanguageRows();
}

void TestLanguages::resultsWindowTranslated()
{
    QFETCH(Language, language);
    const QMap<QString, QString> italian = resultsTexts(Language::Italian);
    const QMap<QString, QString> translated = resultsTexts(language);
    QCOMPARE(translated.keys(), italian.keys());
    int compared = 0;
    for (auto it = italian.cbegin(); it != italian.cend(); ++it) {
        if (sameInEveryLanguage(it.value()) || it.value().contains(QLatin1String("Ada")))
            continue;
        ++compared;
        QVERIFY2(translated[it.key()] != it.value(),
                 qPrintable(it.key() + QStringLiteral(" still reads ") + it.value()));
    }
    QVERIFY(compared > 10);
}

void TestLanguages::standardButtonsInTheLanguage_data()
{
    addLanguageRows();
}

// Qt's own texts come from its translations, where the system has them.
void TestLanguages::standardButtonsInTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QLocale, locale);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_") + locale.name().left(2) +
                       QStringLiteral(".qm")))
        QSKIP("Qt's translations (qt6-translations-l10n) are missing for this language");
    const auto yes = [] {
        QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    const QString italian = yes();
    format::useLanguage(language);
    QVERIFY2(yes() != italian, qPrintable(yes()));
    format::useLanguage(Language::Italian);
    QCOMPARE(yes(), italian);
}

int main(int argc, char *argv[])
{
    // The choice of language is remembered: in a folder of this run only.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
