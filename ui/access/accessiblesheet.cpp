// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/accessiblesheet.h"

#include "ui/access/accessibletexts.h"
#include "ui/sheet/designlabel.h"
#include "ui/sheet/picturebutton.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>

namespace ui::accessible {
namespace {

constexpr char hiddenProperty[] = "solvetraHiddenFromReader";

// Reported as invisible, so the reader's review skips it.
class HiddenWidget : public QAccessibleWidget
{
public:
    explicit HiddenWidget(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *hiddenWidgetFactory(const QString &, QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object); widget && isHiddenFromReader(widget))
        return new HiddenWidget(widget);
    return nullptr;
}

void nameCounters(const SheetControls &w, const quiz::Score &score)
{
    w.lblScore->setAccessibleName(counterName(Counter::Right, score));
    w.lblScore1->setAccessibleName(counterName(Counter::Wrong, score));
    w.lblScore2->setAccessibleName(counterName(Counter::Total, score));
}

} // namespace

void installReaderFilter()
{
    static const bool installed = [] {
        QAccessible::installFactory(hiddenWidgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void hideFromReader(QWidget *widget)
{
    widget->setProperty(hiddenProperty, true);
    // The interface made when the widget was created or shown is kept until
    // deleted; the next one comes from hiddenWidgetFactory.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

bool isHiddenFromReader(const QWidget *widget)
{
    return widget->property(hiddenProperty).toBool();
}

void describeSheet(const SheetControls &w)
{
    w.Image4->setAccessibleName(figureName());
    w.Image1->setAccessibleName(stopwatchName());
    w.Picture3->setAccessibleName(illustrationName());
    for (QWidget *heading : {w.Label6, w.Label1, w.Label3})
        hideFromReader(heading);
    nameCounters(w, quiz::Score()); // a new game starts from nothing
}

void describeAlarm(const SheetControls &w, std::optional<QTime> pending)
{
    static constexpr char designedToolTip[] = "designedToolTip";
    for (QWidget *clock : {static_cast<QWidget *>(w.Image1), static_cast<QWidget *>(w.lblTime)}) {
        if (!clock->property(designedToolTip).isValid())
            clock->setProperty(designedToolTip, clock->toolTip());
        const QString designed = clock->property(designedToolTip).toString();
        const QString shown =
            pending ? QCoreApplication::translate("Tavola", "%1 (sveglia alle %2)")
                          .arg(designed, pending->toString(QStringLiteral("HH:mm")))
                    : designed;
        if (clock->toolTip() != shown)
            clock->setToolTip(shown);
    }
}

void describeProblem(const SheetControls &w, const quiz::Problem &problem)
{
    for (int i = 0; i < quiz::lengthCount; ++i)
        w.lengths[size_t(i)]->setAccessibleName(
            problem.visible[size_t(i)] ? lengthLabelName(quiz::Length(i), problem.texts[size_t(i)])
                                       : QString());
    w.txtAnswer->setAccessibleName(answerBoxName(problem));
    w.txtAnswer->setAccessibleDescription(answerBoxDescription(problem, w.txtAnswer->toolTip()));
    // Without a verdict the button reads its tool tip.
    w.cmdNext->setAccessibleDescription(QString());
}

void describeVerdict(const SheetControls &w, const quiz::Verdict &verdict,
                     const quiz::Problem &problem)
{
    if (!verdict.counted)
        return;
    nameCounters(w, verdict.score);
    w.cmdNext->setAccessibleDescription(verdictDescription(verdict, problem));
}

} // namespace ui::accessible
