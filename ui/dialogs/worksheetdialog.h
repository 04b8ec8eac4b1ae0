// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/worksheet.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace ui {

// Asks how many problems and which theorem, then prints the worksheet or
// saves it as a PDF.
class WorksheetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WorksheetDialog(QWidget *parent = nullptr);

    // What the controls ask for now.
    print::WorksheetRequest request() const;

    // Writes the PDF; on failure tells the user and returns false.
    bool saveTo(const QString &path);

    QSpinBox *countBox() const { return m_count; }
    QComboBox *theoremBox() const { return m_theorem; }
    QSpinBox *seedBox() const { return m_seed; }

private:
    void printSheet();
    void saveSheet();

    QSpinBox *m_count;
    QComboBox *m_theorem;
    QSpinBox *m_seed;
};

} // namespace ui
