// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/serverlink.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace record {

namespace {

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("solvetra-server-%1").arg(counter.fetchAndAddRelaxed(1));
}

// lupdate files a free tr() call under the enclosing namespace.
QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

// libpq reports a failed connection without an SQLSTATE, so its words are
// all there is; the server's own errors after that carry one.
ServerProblem connectionProblem(const QString &text)
{
    if (text.contains(QLatin1String("no password supplied")))
        return ServerProblem::NoPassword;
    if (text.contains(QLatin1String("password authentication failed")) ||
        text.contains(QLatin1String("authentication failed")) ||
        (text.contains(QLatin1String("role \"")) && text.contains(QLatin1String("does not exist"))))
        return ServerProblem::WrongPassword;
    if (text.contains(QLatin1String("database \"")) &&
        text.contains(QLatin1String("does not exist")))
        return ServerProblem::NoDatabase;
    if (text.contains(QLatin1String("SSL")) || text.contains(QLatin1String("no encryption")) ||
        text.contains(QLatin1String("GSS")))
        return ServerProblem::NeedsEncryption;
    return ServerProblem::Unreachable;
}

// What the program relies on, set at each connection: a role's defaults
// are the pupil's to change (ALTER ROLE ... SET) and must not stop the
// sending of every pupil who shares it.
const char *const sessionSettings[] = {
    "SET default_transaction_read_only = off",
    "SET search_path = pg_catalog, public",
    "SET standard_conforming_strings = on",
    "SET statement_timeout = '30s'",
    "SET lock_timeout = '10s'",
};

} // namespace

ServerLink::ServerLink(ServerAddress address)
    : m_address(std::move(address)), m_connection(uniqueConnectionName())
{
}

ServerLink::~ServerLink()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ServerLink::open()
{
    if (m_db.isOpen())
        return true;
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        m_db.setHostName(m_address.host);
        m_db.setPort(m_address.port);
        m_db.setDatabaseName(m_address.database);
        m_db.setUserName(m_address.user);
        m_db.setPassword(m_address.password);
        m_db.setConnectOptions(m_address.connectOptions());
    }
    if (!m_db.open()) {
        failed(m_db.lastError());
        return false;
    }
    QSqlQuery query(m_db);
    for (const char *setting : sessionSettings) {
        if (!query.exec(QString::fromLatin1(setting))) {
            failed(query.lastError());
            m_db.close();
            return false;
        }
    }
    return true;
}

void ServerLink::close()
{
    m_db.close();
}

ServerProblem ServerLink::failed(const QSqlError &error)
{
    m_problem = problemOf(error);
    m_detail = error.text();
    // A connection that broke is opened afresh next time.
    if (m_problem == ServerProblem::Unreachable)
        m_db.close();
    return m_problem;
}

ServerProblem problemOf(const QSqlError &error)
{
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("42501"))
        return ServerProblem::NotAllowed;
    if (state == QLatin1String("42P01"))
        return ServerProblem::NotPrepared;
    if (state == QLatin1String("28P01") || state == QLatin1String("28000"))
        return ServerProblem::WrongPassword;
    if (state == QLatin1String("3D000"))
        return ServerProblem::NoDatabase;
    // A check, or the day's limit: the same answers are taken later.
    if (state.startsWith(QLatin1String("23")) || state == QLatin1String("54000"))
        return ServerProblem::Refused;
    if (!state.isEmpty() && !state.startsWith(QLatin1String("08")) &&
        !state.startsWith(QLatin1String("57")))
        return ServerProblem::NotPrepared;
    return connectionProblem(error.databaseText() + u' ' + error.driverText());
}

QString problemLine(ServerProblem problem, const ServerAddress &address)
{
    const QString where = address.shown();
    switch (problem) {
    case ServerProblem::None:
        return {};
    case ServerProblem::NoPassword:
    case ServerProblem::WrongPassword:
        return tr("Il server della scuola (%1) non accetta l'utente o la password.").arg(where);
    case ServerProblem::NoDatabase:
        return tr("Sul server della scuola (%1) la banca dati non esiste.").arg(where);
    case ServerProblem::NeedsEncryption:
        return tr("Il server della scuola (%1) vuole un altro tipo di connessione cifrata (TLS).")
            .arg(where);
    case ServerProblem::NotAllowed:
        return tr("Il server della scuola (%1) non dà il permesso di farlo a questo utente.")
            .arg(where);
    case ServerProblem::NotPrepared:
        return tr("Sul server della scuola (%1) la banca dati non è preparata per Solvetra.")
            .arg(where);
    case ServerProblem::Refused:
        return tr("Il server della scuola (%1) per ora non accetta altre risposte da questo "
                  "utente.")
            .arg(where);
    case ServerProblem::Unreachable:
        break;
    }
    return tr("Il server della scuola (%1) non risponde.").arg(where);
}

} // namespace record
