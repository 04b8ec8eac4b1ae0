// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet on a 1280 x 800 screen at the scale factor CTest sets
// (QT_SCALE_FACTOR 1, 1.5 or 2): every control the pupil needs shows inside
// the client area, and the zoom keys scale the whole sheet.
#include "files/settings.h"
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/window/appsetup.h"
#include "ui/window/sheetzoom.h"
#include "ui/window/tavola.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

namespace {

// The sheet as designed, in pixels: the buttons reach 9255 twips down, the
// unit box 12375 across.
constexpr QSize designedSheet(825, 617);

QRect fromTwips(int left, int top, int width, int height, double scale = 1.0)
{
    const double k = scale / 15.0;
    return QRect(qRound(left * k), qRound(top * k), qRound(width * k), qRound(height * k));
}

bool near(const QRect &actual, const QRect &expected)
{
    return qAbs(actual.left() - expected.left()) <= 1 && qAbs(actual.top() - expected.top()) <= 1 &&
           qAbs(actual.right() - expected.right()) <= 2 &&
           qAbs(actual.bottom() - expected.bottom()) <= 2;
}

} // namespace

class TestFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void maximisedShowsEverything();
    void fitsASmallScreen();
    void zoomScalesEveryProportion();
    void zoomIsRememberedAndHeldInsideTheWindow();
    void zoomOutStopsAtTheSmallest();
    void newGameKeepsTheScale_data();
    void newGameKeepsTheScale();

private:
    void start();
    QWidget *sheet() const { return m_tavola->centralWidget(); }
    template <typename T = QWidget> T *control(const char *name) const
    {
        T *found = m_tavola->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    void checkEverythingShows();
    void press(QKeySequence keys);

    FakeClock m_clock;
    FakePlatform m_platform;
    quiz::MixingRandomSource m_random{17};
    std::unique_ptr<ui::Tavola> m_tavola;
};

void TestFit::initTestCase()
{
    // The zoom is remembered; never in the real user's settings.
    QStandardPaths::setTestModeEnabled(true);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size() *
                         QGuiApplication::primaryScreen()->devicePixelRatio();
    if (screen != QSize(1280, 800) && screen != QSize(1366, 768))
        QSKIP("needs one of the offscreen screens that CTest configures");
}

void TestFit::init()
{
    files::Settings::user().clear();
}

void TestFit::cleanup()
{
    m_tavola.reset();
    files::Settings::user().clear();
}

void TestFit::start()
{
    m_tavola = std::make_unique<ui::Tavola>(m_clock, m_random, m_platform);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    m_tavola->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_tavola.get()));
    control<QTimer>("Timer1")->stop();
}

void TestFit::press(QKeySequence keys)
{
    QTest::keySequence(m_tavola.get(), keys);
    QCoreApplication::processEvents();
}

// Windowed controls and showing labels lie inside the sheet, which lies
// between the menu bar and the status bar; the status bar's panels inside it.
void TestFit::checkEverythingShows()
{
    const QRect room = sheet()->rect();
    QVERIFY(sheet()->geometry().bottom() < m_tavola->statusBar()->geometry().top());
    QVERIFY(m_tavola->rect().contains(m_tavola->statusBar()->geometry()));
    QVERIFY(m_tavola->rect().contains(sheet()->geometry()));

    int checked = 0;
    for (QWidget *control : sheet()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(sheet()))
            continue;
        const auto *label = qobject_cast<QLabel *>(control);
        const bool windowed = qobject_cast<QLineEdit *>(control) ||
                              qobject_cast<QPushButton *>(control) ||
                              control->objectName() == "Picture3";
        const bool showing = label && (!label->text().isEmpty() || !label->pixmap().isNull());
        if (!windowed && !showing)
            continue;
        QRect place = control->geometry();
        // The "=" sign is designed to start above the client area.
        if (control->objectName() == "Label4")
            place.setTop(0);
        QVERIFY2(room.contains(place), qPrintable(control->objectName()));
        ++checked;
    }
    QVERIFY(checked > 15); // the problem, the counters, the buttons...
    for (const QLabel *panel : m_tavola->statusBar()->findChildren<QLabel *>())
        QVERIFY2(m_tavola->statusBar()->rect().contains(panel->geometry()),
                 qPrintable(panel->objectName()));
}

void TestFit::maximisedShowsEverything()
{
    start();
    QVERIFY(m_tavola->isMaximized());
    checkEverythingShows();
    const QSize room = sheet()->size();
    const bool designedFits =
        room.width() >= designedSheet.width() && room.height() >= designedSheet.height();
    // Smaller than designed: one scale for the whole sheet, as large as fits.
    const double scale = designedFits ? 1.0
                                      : std::min(double(room.width()) / designedSheet.width(),
                                                 double(room.height()) / designedSheet.height());
    QCOMPARE(m_tavola->sheetScale(), scale);
    if (!designedFits) {
        QVERIFY(near(control("cmdNext")->geometry(), fromTwips(600, 8160, 1815, 1095, scale)));
        QVERIFY(near(control("Image4")->geometry(), fromTwips(1680, 2040, 7230, 3885, scale)));
        return;
    }
    QCOMPARE(control("txtAnswer")->geometry(), fromTwips(8040, 0, 3135, 1080));
    QCOMPARE(control("cmdNext")->geometry(), fromTwips(600, 8160, 1815, 1095));
    QCOMPARE(control("Image4")->geometry(), fromTwips(1680, 2040, 7230, 3885));
    QCOMPARE(control("txtAnswer")->font().pointSizeF(), 36.0);
}

void TestFit::fitsASmallScreen()
{
    start();
    m_tavola->showNormal();
    m_tavola->resize(640, 480);
    QTRY_COMPARE(m_tavola->size(), QSize(640, 480));
    checkEverythingShows();
    QVERIFY(m_tavola->sheetScale() < 1);
}

void TestFit::zoomScalesEveryProportion()
{
    start();
    m_tavola->showNormal();
    m_tavola->resize(600, 450);
    QTRY_COMPARE(m_tavola->size(), QSize(600, 450));
    const double fit = m_tavola->sheetScale();
    QVERIFY(fit < 1);

    for (int i = 0; i < 5; ++i) // 0.9, 0.8, 0.75, 0.67, 0.5
        press(QKeySequence::ZoomOut);
    QCOMPARE(m_tavola->sheetScale(), std::min(0.5, fit));
    const double scale = m_tavola->sheetScale();
    QVERIFY(near(control("Text1")->geometry(), fromTwips(11160, 0, 1215, 1095, scale)));
    QVERIFY(near(control("cmdExit")->geometry(), fromTwips(7080, 8280, 1935, 975, scale)));
    QVERIFY(near(control("lblMessage")->geometry(), fromTwips(360, 720, 6615, 615, scale)));
    QCOMPARE(control("txtAnswer")->font().pointSizeF(), 36.0 * scale);
    // Pictures keep their place in the design: the illustration fills its box
    // as drawn, the stopwatch its 32-pixel square.
    QCOMPARE(control<QLabel>("Picture3")->pixmap().deviceIndependentSize().toSize(),
             (QSizeF(93, 146) * scale).toSize());
    QCOMPARE(control<QLabel>("Image1")->pixmap().deviceIndependentSize().toSize(),
             (QSizeF(32, 32) * scale).toSize());
    // The figure's segments get thinner with it.
    const QWidget *segment = control("Line5");
    QVERIFY(segment->width() < fromTwips(0, 0, 2065, 0).width());
    checkEverythingShows();
}

void TestFit::zoomIsRememberedAndHeldInsideTheWindow()
{
    start();
    const double fit = std::min(double(sheet()->width()) / designedSheet.width(),
                                double(sheet()->height()) / designedSheet.height());
    const auto expectedFor = [fit](double zoom) { return std::min(zoom, fit); };

    press(QKeySequence::ZoomIn);
    QCOMPARE(m_tavola->sheetScale(), expectedFor(1.1));
    press(QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(m_tavola->sheetScale(), expectedFor(1.0));
    // Smaller at once, even where the designed size did not fit.
    const double shown = m_tavola->sheetScale();
    press(QKeySequence::ZoomOut);
    QVERIFY(m_tavola->sheetScale() < shown);
    QVERIFY(m_tavola->sheetScale() >= expectedFor(0.9) * 0.75);

    // Ctrl+wheel: two notches up, in small touchpad steps (the window gets
    // what the controls under the pointer leave).
    const QPoint inside = m_tavola->rect().center();
    for (int i = 0; i < 8; ++i) {
        QWheelEvent wheel(inside, m_tavola->mapToGlobal(inside), QPoint(), QPoint(0, 30),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_tavola.get(), &wheel);
    }
    QCOMPARE(m_tavola->sheetScale(), expectedFor(1.1));
    checkEverythingShows();

    // Far beyond the window: the sheet stops where it fits, and so does the
    // command.
    for (int i = 0; i < 12; ++i)
        press(QKeySequence::ZoomIn);
    QCOMPARE(m_tavola->sheetScale(), expectedFor(3.0));
    QVERIFY(!m_tavola->zoomActions()[0]->isEnabled());
    QVERIFY(m_tavola->zoomActions()[1]->isEnabled());
    checkEverythingShows();

    // The next run starts at the last zoom.
    press(QKeySequence::ZoomOut);
    const double last = m_tavola->sheetScale();
    m_tavola.reset();
    start();
    QCOMPARE(m_tavola->sheetScale(), last);

    // The commands a menu can carry.
    m_tavola->zoomActions()[2]->trigger();
    QCOMPARE(m_tavola->sheetScale(), expectedFor(1.0));
}

void TestFit::zoomOutStopsAtTheSmallest()
{
    start();
    QAction *zoomIn = m_tavola->zoomActions()[0];
    QAction *zoomOut = m_tavola->zoomActions()[1];
    double previous = m_tavola->sheetScale();
    // Each press that is offered makes the sheet smaller, until none is.
    int presses = 0;
    while (zoomOut->isEnabled()) {
        QVERIFY(++presses < 20);
        press(QKeySequence::ZoomOut);
        QVERIFY(m_tavola->sheetScale() < previous);
        previous = m_tavola->sheetScale();
    }
    QVERIFY(zoomIn->isEnabled());
    press(QKeySequence::ZoomOut);
    QCOMPARE(m_tavola->sheetScale(), previous);
    // And back up: each offered press enlarges it, until it fills the room.
    while (zoomIn->isEnabled()) {
        QVERIFY(++presses < 40);
        press(QKeySequence::ZoomIn);
        QVERIFY(m_tavola->sheetScale() > previous);
        previous = m_tavola->sheetScale();
    }
    const double fit = std::min(double(sheet()->width()) / designedSheet.width(),
                                double(sheet()->height()) / designedSheet.height());
    QCOMPARE(m_tavola->sheetScale(), std::min(fit, ui::SheetZoom::factors.back()));
}

// Found in use: after "Nuovo gioco" the maximised sheet came back smaller,
// laid out for the window's restored size.
void TestFit::newGameKeepsTheScale_data()
{
    QTest::addColumn<int>("zoomSteps");
    QTest::newRow("designed zoom") << 0;
    QTest::newRow("zoomed in") << 2;
    QTest::newRow("zoomed out") << -2;
}

void TestFit::newGameKeepsTheScale()
{
    QFETCH(int, zoomSteps);
    start();
    for (int i = 0; i < std::abs(zoomSteps); ++i)
        press(zoomSteps > 0 ? QKeySequence::ZoomIn : QKeySequence::ZoomOut);
    const double before = m_tavola->sheetScale();
    const QRect sheetBefore = sheet()->geometry();

    m_tavola->new_Click();
    QCoreApplication::processEvents();
    QVERIFY(m_tavola->isMaximized());
    QCOMPARE(sheet()->geometry(), sheetBefore);
    QCOMPARE(m_tavola->sheetScale(), before);
    checkEverythingShows();
    QVERIFY(near(control("cmdNext")->geometry(), fromTwips(600, 8160, 1815, 1095, before)));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fit.moc"
