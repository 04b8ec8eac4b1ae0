// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ui::teacher {

// "Server della scuola": where the server is and the teacher's password,
// typed hidden. The password is kept only when the teacher ticks the box.
class ServerSourceDialog : public QDialog
{
    Q_OBJECT

public:
    // url: the server the settings name, or nothing.
    explicit ServerSourceDialog(const QString &url, QWidget *parent = nullptr);

    QString url() const;
    QString password() const;
    bool keepPassword() const;

    QLineEdit *addressEdit() const { return m_address; }
    QLineEdit *passwordEdit() const { return m_password; }
    QCheckBox *keepBox() const { return m_keep; }

    // An address that names no server is said here, and the box stays.
    void accept() override;

private:
    QLineEdit *m_address;
    QLineEdit *m_password;
    QCheckBox *m_keep;
    QLabel *m_refusal;
};

} // namespace ui::teacher
