// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

namespace files {

// The pupil's choices kept between runs, in a file that is the user's alone
// (mode 0600). A settings file that exists but is not a regular file is
// ignored: reading a pipe would block the start, and replacing a device
// would destroy it. The choices then last for this run only.
class Settings
{
public:
    // The user's settings, opened once, on first use.
    static Settings &user();
    // Where the user's settings live: the configuration folder that Qt's
    // own QSettings would use, so that earlier choices are still found.
    static QString userPath();
    // The machine's settings, which a technician writes once for every
    // account: <dir>/Solvetra/solvetra.conf in the first folder of
    // XDG_CONFIG_DIRS (/etc/xdg when unset) that holds one, as Qt's system
    // scope names it. Read only.
    static const Settings &machine();
    static QString machinePath();
    // The user's value for key, else the machine's, else fallback.
    static QVariant userOrMachine(const QString &key, const QVariant &fallback = {});

    explicit Settings(const QString &path);
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    QVariant value(const QString &key, const QVariant &fallback = {}) const;
    bool contains(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    void clear();
    // False when the file was ignored and nothing will be written.
    bool keptOnDisk() const { return m_file != nullptr; }
    QString path() const { return m_path; }

private:
    void writeOut();

    QString m_path;
    std::unique_ptr<QSettings> m_file;
    QVariantMap m_memory; // when the file is ignored
};

} // namespace files
