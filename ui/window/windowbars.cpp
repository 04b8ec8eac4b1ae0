// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/windowbars.h"

#include "ui/access/accessibletexts.h"
#include "ui/sheet/artwork.h"
#include "ui/sheet/sheetbuilder.h"
#include "ui/sheet/sheetdesign.h"
#include "ui/sheet/twips.h"
#include "ui/window/commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>

#include <algorithm>
#include <array>

namespace ui {
namespace {

constexpr int statusBarHeightTwips = 615;
constexpr double statusFontPoints = 13.5;
// The status bar's illustration leaves room for the panel's sunken frame.
constexpr int illustrationMargin = 6;
constexpr int illustrationHeight = 146;
constexpr int lastPanelTwips = 1440;
constexpr const char *illustrationProperty = "illustration";

// A menu and the action that opens it carry the same name.
QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(menu->objectName());
    return menu;
}

// While the bar holds the keyboard, Enter chooses its entry: it is not the
// window's "next problem" key then.
class BarKeepsEnter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *bar = static_cast<QMenuBar *>(watched);
        if (event->type() != QEvent::ShortcutOverride || !bar->hasFocus() || !bar->activeAction())
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        event->accept();
        return true;
    }
};

} // namespace

QMenuBar *createMenuBar(DesignedMenus &menus)
{
    auto *bar = new QMenuBar;
    bar->installEventFilter(new BarKeepsEnter(bar));
    QMenu *school = addNamedMenu(bar, "scuola", QObject::tr("Solvetra"));
    menus.scuola = school->menuAction();
    menus.software = addNamedAction(school, "software",
                                    QObject::tr("Esercizi sui teoremi del triangolo rettangolo"));

    QMenu *credits = addNamedMenu(bar, "Ciao_1", QObject::tr("Crediti"));
    menus.Ciao_1 = credits->menuAction();
    menus.gim = addNamedAction(credits, "gim",
                               QObject::tr("Solvetra 1.0: primo e secondo teorema di Euclide"));
    menus.Tmer_2 =
        addNamedAction(credits, "Tmer_2", QObject::tr("Per allievi e insegnanti della scuola"));
    menus.pop = addNamedAction(
        credits, "pop", QObject::tr("Software libero: licenza GNU GPL, versione 3 o successiva"));

    menus.calc = addNamedAction(bar, "calc", QObject::tr("Calcolatrice"));
    menus.newGame = addNamedAction(bar, "new", QObject::tr("Nuovo gioco"));
    return bar;
}

void addMenuBarKey(QMainWindow *window)
{
    QAction *open = addNamedAction(window, "openMenuBar", QString(), {Qt::Key_F10});
    QObject::connect(open, &QAction::triggered, window, [window] {
        // Only a press and release of Alt puts the bar in its keyboard mode,
        // where it holds the focus until a command or Esc gives it back; a
        // highlighted entry alone leaves the arrows to the answer box. The
        // bar watches its window for that key: hand it one, as the keyboard
        // would send it.
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        override.ignore();
        QCoreApplication::sendEvent(window, &override);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &release);
    });
}

QStatusBar *createStatusBar(qreal devicePixelRatio)
{
    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    QFont font(installedFamily(sheetFont.family));
    font.setPointSizeF(statusFontPoints);
    font.setBold(true);
    bar->setFont(font);
    bar->setFixedHeight(twips::toPixels(statusBarHeightTwips));
    bar->setSizeGripEnabled(false);

    struct Panel
    {
        const char *text;
        int widthTwips;
        int minimumTwips;
    };
    const std::array<Panel, 4> panels{{{"Solvetra", 4910, 1550},
                                       {"Solvetra", 4800, 1440},
                                       {QT_TRANSLATE_NOOP("QObject", "Record di"), 1590, 1440},
                                       {"", lastPanelTwips, lastPanelTwips}}};
    QLabel *panel = nullptr;
    for (size_t i = 0; i < panels.size(); ++i) {
        panel = new QLabel(QObject::tr(panels[i].text), bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setToolTip(panel->text());
        // The designed width, shrinking to the minimum on a small screen.
        const int width = twips::toPixels(panels[i].widthTwips);
        panel->setMinimumWidth(twips::toPixels(panels[i].minimumTwips));
        panel->setMaximumWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel, width);
    }
    // The last panel, which has no text, carries the illustration.
    panel->setProperty(
        illustrationProperty,
        artwork::picture(QStringLiteral("sage"), devicePixelRatio,
                         double(bar->height() - illustrationMargin) / illustrationHeight));
    showInLastPanel(bar, QString());
    return bar;
}

QString whoPlaysText(const record::Pupil &pupil, quiz::Level level)
{
    QStringList who;
    for (const QString &part : {pupil.name, pupil.className})
        if (!part.isEmpty())
            who << part;
    QStringList parts;
    if (!who.isEmpty())
        parts << who.join(QStringLiteral(", "));
    if (level != quiz::Level::OneStep)
        parts << QCoreApplication::translate("QObject", "Livello %1").arg(int(level));
    return parts.join(QStringLiteral(" · "));
}

void showInLastPanel(QStatusBar *bar, const QString &text)
{
    auto *panel = bar->findChild<QLabel *>(QStringLiteral("Panel4"));
    if (!panel)
        return;
    panel->setToolTip(text);
    if (text.isEmpty()) {
        panel->setAlignment(Qt::AlignCenter);
        panel->setMinimumWidth(twips::toPixels(lastPanelTwips));
        panel->setMaximumWidth(twips::toPixels(lastPanelTwips));
        panel->setPixmap(panel->property(illustrationProperty).value<QPixmap>());
        panel->setAccessibleName(accessible::illustrationName());
        return;
    }
    // Nothing stands right of the last panel: it grows there, moving nothing.
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setMaximumWidth(QWIDGETSIZE_MAX);
    panel->setText(text);
    panel->setMinimumWidth(std::max(twips::toPixels(lastPanelTwips), panel->sizeHint().width()));
    panel->setAccessibleName(text);
}

} // namespace ui
