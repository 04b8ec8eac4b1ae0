// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordsharing.h"

#include <QString>
#include <QStringList>

namespace files {
class Settings;
}

namespace app {

// Where the pupils' answers go besides their own record: the school's
// server and the class folder, as the technician set them for the computer
// (system scope) or the user for the account (user scope, which wins key by
// key). Keys:
//   server/host, server/port, server/database, server/user, server/sslmode,
//   server/password (user scope only), server/passwordfile,
//   class/folder
struct SchoolSettings
{
    record::SharePlaces places;
    QStringList warnings; // Italian lines for standard error
};

// The password file when no other is named: readable by root and the pupils'
// group only.
inline constexpr auto defaultPasswordFile = "/etc/solvetra/server-password";

SchoolSettings readSchoolSettings(const files::Settings &system, const files::Settings &user,
                                  const QString &account, const QString &host);

// The same from the computer's settings, for this account on this computer.
SchoolSettings readSchoolSettings();

} // namespace app
