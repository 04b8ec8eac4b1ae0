// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>

// What a message box showed when it was answered.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString accessibleName;
    QString accessibleDescription;
};

// Answers the modal message boxes that open while it lives, in turn, with
// the buttons it was given. A box beyond those is still closed (so a test
// cannot hang) and recorded, so the test can see that it was not expected.
class ModalBoxes : public QObject
{
public:
    explicit ModalBoxes(std::deque<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalBoxes::answerOpenBox);
        m_poll.start(10);
    }

    QList<SeenBox> seen;

private:
    void answerOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_lastBox)
            return;
        m_lastBox = box;
        SeenBox record;
        record.title = box->windowTitle();
        record.text = box->text();
        record.icon = box->icon();
        record.accessibleName = box->accessibleName();
        record.accessibleDescription = box->accessibleDescription();
        record.buttons = box->standardButtons();
        if (box->defaultButton())
            record.defaultButton = box->standardButton(box->defaultButton());
        seen.append(record);

        QAbstractButton *button = nullptr;
        if (!m_answers.empty()) {
            button = box->button(m_answers.front());
            m_answers.pop_front();
        }
        if (button)
            button->click();
        else
            box->reject();
    }

    std::deque<QMessageBox::StandardButton> m_answers;
    QTimer m_poll;
    QPointer<QMessageBox> m_lastBox;
};
