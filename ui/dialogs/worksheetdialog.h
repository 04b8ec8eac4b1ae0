// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/worksheet.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

class Platform;

// Asks how many problems, which level and theorem, which seed and where the answer key
// goes, then prints the worksheet or saves it as a PDF.
class WorksheetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WorksheetDialog(Platform &platform, QWidget *parent = nullptr);

    // What the controls ask for now, or nothing (and the refusal line shown)
    // when a number is out of its range.
    std::optional<print::WorksheetRequest> request();

    // Writes the PDF and says where it went; on failure tells the user and
    // returns false.
    bool saveTo(const QString &path);

    // The file name the save dialog proposes.
    QString suggestedFileName() const;

    QLineEdit *countBox() const { return m_count; }
    QComboBox *theoremBox() const { return m_theorem; }
    QLineEdit *seedBox() const { return m_seed; }
    QComboBox *keyBox() const { return m_key; }
    QComboBox *levelBox() const { return m_level; }
    QLabel *refusal() const { return m_refusal; }
    // The code of the assignment the sheet is, for the pupils to type; empty
    // while the controls ask for no sheet.
    QLabel *codeLabel() const { return m_code; }

private:
    void printSheet();
    void saveSheet();
    void refuse(const QString &line);
    void showCode();

    Platform &m_platform;
    QLineEdit *m_count;
    QComboBox *m_theorem;
    QLineEdit *m_seed;
    QComboBox *m_key;
    QComboBox *m_level;
    QLabel *m_refusal;
    QLabel *m_code;
};

} // namespace ui
