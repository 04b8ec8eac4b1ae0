// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/serveraddress.h"

#include <QSqlDatabase>

class QSqlError;

namespace record {

// Why the school's server did not take or give what was asked.
enum class ServerProblem {
    None,
    Unreachable,     // no answer, or the connection broke
    NoPassword,      // the server wants one and none was found
    WrongPassword,   // or a role that does not exist
    NoDatabase,      // no such database
    NeedsEncryption, // the server or its rules want TLS, or the other way round
    NotAllowed,      // the role lacks the right
    NotPrepared,     // the database has not got the answer table
    Refused,         // answers out of the server's bounds, or too many today: later
};

// One connection to the server, registered with Qt SQL under a name of its
// own; used only on the thread that made it.
class ServerLink
{
public:
    explicit ServerLink(ServerAddress address);
    ~ServerLink();
    ServerLink(const ServerLink &) = delete;
    ServerLink &operator=(const ServerLink &) = delete;

    // Opens the connection unless it is open; false with problem() set.
    bool open();
    void close();
    QSqlDatabase &database() { return m_db; }
    const ServerAddress &address() const { return m_address; }

    // Records what error means; returns it.
    ServerProblem failed(const QSqlError &error);
    ServerProblem problem() const { return m_problem; }
    QString detail() const { return m_detail; } // the server's own words

private:
    ServerAddress m_address;
    QString m_connection;
    QSqlDatabase m_db;
    ServerProblem m_problem = ServerProblem::None;
    QString m_detail;
};

ServerProblem problemOf(const QSqlError &error);

// The Italian sentence that says what problem means for address.
QString problemLine(ServerProblem problem, const ServerAddress &address);

} // namespace record
