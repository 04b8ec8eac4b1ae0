// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/serverlink.h"

#include <QString>

namespace record {

// Sends the answers of a record file that have not gone yet to the school's
// server, and marks them sent in the file. The server keeps each answer once
// by its id, so a batch that may or may not have arrived is simply sent
// again: nothing is lost and nothing doubled.
class AnswerSender
{
public:
    AnswerSender(QString recordPath, const ServerAddress &server);

    // Sends all that waits; true when nothing waits any more. On false,
    // problem() says why.
    bool sendWaiting();
    ServerProblem problem() const { return m_problem; }
    const ServerAddress &server() const { return m_link.address(); }

private:
    // Sends one batch; the number sent, or -1.
    int sendBatch();

    QString m_recordPath;
    ServerLink m_link;
    ServerProblem m_problem = ServerProblem::None;
};

} // namespace record
