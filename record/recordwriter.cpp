// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordwriter.h"

#include "record/answercolumns.h"
#include "record/recordfile.h"

#include "quiz/clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QUuid>

namespace record {

namespace {

QString stamp(const QDateTime &when)
{
    return when.isValid() ? when.toString(Qt::ISODateWithMs) : QString();
}

QString unwritableLine(const QString &path)
{
    return QCoreApplication::translate(
               "record", "Non riesco a salvare i risultati nel file «%1». Il gioco continua: le "
                         "risposte restano in memoria e saranno salvate appena il file sarà di "
                         "nuovo scrivibile.")
        .arg(QDir::toNativeSeparators(path));
}

QString newerLine(const QString &path)
{
    return QCoreApplication::translate(
               "record", "Il file dei risultati «%1» è di una versione più recente di Solvetra: "
                         "non lo modifico. Il gioco continua, ma le risposte restano solo in "
                         "memoria.")
        .arg(QDir::toNativeSeparators(path));
}

QString setAsideLine(const QString &aside)
{
    return QCoreApplication::translate(
               "record", "Il file dei risultati era danneggiato: l'ho messo da parte come «%1» "
                         "e ne ho cominciato uno nuovo.")
        .arg(QDir::toNativeSeparators(aside));
}

} // namespace

RecordWriter::RecordWriter(const QString &path, const quiz::Clock &clock, QObject *parent)
    : QObject(parent), m_path(path), m_clock(clock)
{
}

RecordWriter::~RecordWriter()
{
    endSession();
    closeFile();
}

void RecordWriter::setPupil(const QString &name, const QString &className)
{
    const bool naming =
        m_pupil.isEmpty() && m_className.isEmpty() && !(name.isEmpty() && className.isEmpty());
    m_pupil = name;
    m_className = className;
    if (!naming)
        return;
    for (AnswerRow &row : m_waiting)
        if (row.pupil.isEmpty() && row.className.isEmpty()) {
            row.pupil = name;
            row.className = className;
        }
    m_namingWaits = !m_unnamedIds.isEmpty();
    flush();
}

void RecordWriter::startSession(int level, bool writeNow)
{
    endSession(writeNow);
    m_session = Session{SessionRow{m_clock.dateTime(), QDateTime(), level}, 0, true, false};
    if (writeNow)
        flush();
}

void RecordWriter::endSession(bool writeNow)
{
    if (!m_session.active)
        return;
    m_session.active = false;
    m_session.row.ended = m_clock.dateTime();
    if (writeNow)
        flush();
}

bool RecordWriter::addAnswer(AnswerRow row, bool writeNow)
{
    if (!row.when.isValid())
        row.when = m_clock.dateTime();
    row.pupil = m_pupil;
    row.className = m_className;
    // From the system's entropy: ids made on many computers must not meet.
    row.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_waiting.append(row);
    m_openedWaits = false;
    return writeNow ? flush() : false;
}

bool RecordWriter::markSolutionOpened(bool writeNow)
{
    if (!m_waiting.isEmpty())
        m_waiting.last().solutionOpened = true;
    else if (m_lastAnswerId != 0)
        m_openedWaits = true;
    return writeNow ? flush() : m_waiting.isEmpty() && !m_openedWaits;
}

bool RecordWriter::flush()
{
    if (!ensureOpen())
        return false;
    if (!writeWaiting()) {
        failed(unwritableLine(m_path));
        return false;
    }
    m_troubleSaid = false;
    return true;
}

bool RecordWriter::deleteRecord()
{
    m_waiting.clear();
    startNewFile();
    m_troubleSaid = false;
    return removeRecord(m_path);
}

void RecordWriter::startNewFile()
{
    closeFile();
    m_session.id = 0;
    m_session.endWritten = false;
    m_lastAnswerId = 0;
    m_openedWaits = false;
    m_unnamedIds.clear();
    m_namingWaits = false;
}

bool RecordWriter::ensureOpen()
{
    // Another window of the account may have deleted the file ("Cancella i
    // miei risultati"): what comes now goes into a new one.
    if (m_file && !m_file->stillAtPath())
        startNewFile();
    if (m_file)
        return true;
    m_file = std::make_unique<RecordFile>(m_path, RecordFile::Mode::Write);
    FileState state = m_file->state();
    if (state == FileState::Damaged || state == FileState::NotRecord) {
        m_file.reset();
        const QString aside = setAside(m_path, m_clock.dateTime());
        if (aside.isEmpty()) {
            failed(unwritableLine(m_path));
            return false;
        }
        emit trouble(setAsideLine(aside));
        // What was in the old file stays there; the new one starts afresh.
        startNewFile();
        m_file = std::make_unique<RecordFile>(m_path, RecordFile::Mode::Write);
        state = m_file->state();
    }
    if (state == FileState::Ready)
        return true;
    failed(state == FileState::Newer ? newerLine(m_path) : unwritableLine(m_path));
    return false;
}

// One transaction for all that waits, so that a failure leaves the file and
// the waiting list as they were.
bool RecordWriter::writeWaiting()
{
    const Session before = m_session;
    QSqlQuery query(m_file->database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool written = writeSession();
    qint64 lastId = m_lastAnswerId;
    QList<qint64> unnamed = m_unnamedIds;
    for (qsizetype i = 0; written && i < m_waiting.size(); ++i) {
        lastId = insertAnswer(m_waiting.at(i));
        written = lastId != 0;
        if (m_waiting.at(i).pupil.isEmpty() && m_waiting.at(i).className.isEmpty())
            unnamed.append(lastId);
    }
    if (written && m_namingWaits)
        written = nameUnnamed();
    if (written && m_openedWaits) {
        query.prepare(
            QStringLiteral("UPDATE answer SET solution_opened = 1, sent = 0 WHERE id = ?"));
        query.addBindValue(m_lastAnswerId);
        written = query.exec();
    }
    if (!written || !query.exec(QStringLiteral("COMMIT"))) {
        query.exec(QStringLiteral("ROLLBACK"));
        m_session = before;
        return false;
    }
    m_waiting.clear();
    m_openedWaits = false;
    m_lastAnswerId = lastId;
    m_unnamedIds = m_namingWaits ? QList<qint64>() : unnamed;
    m_namingWaits = false;
    return true;
}

// Inside writeWaiting's transaction. Marked unsent, so that the copies take
// the name too.
bool RecordWriter::nameUnnamed()
{
    QSqlQuery query(m_file->database());
    query.prepare(QStringLiteral("UPDATE answer SET pupil = ?, class = ?, sent = 0"
                                 " WHERE id = ? AND pupil = '' AND class = ''"));
    for (const qint64 id : std::as_const(m_unnamedIds)) {
        query.addBindValue(m_pupil);
        query.addBindValue(m_className);
        query.addBindValue(id);
        if (!query.exec())
            return false;
    }
    return true;
}

bool RecordWriter::writeSession()
{
    if (m_session.row.started.isNull())
        return true;
    QSqlQuery query(m_file->database());
    if (m_session.id == 0) {
        query.prepare(
            QStringLiteral("INSERT INTO session (started, ended, level) VALUES (?, ?, ?)"));
        query.addBindValue(stamp(m_session.row.started));
        query.addBindValue(m_session.row.ended.isValid() ? stamp(m_session.row.ended) : QVariant());
        query.addBindValue(m_session.row.level);
        if (!query.exec())
            return false;
        m_session.id = query.lastInsertId().toLongLong();
    } else if (m_session.row.ended.isValid() && !m_session.endWritten) {
        query.prepare(QStringLiteral("UPDATE session SET ended = ? WHERE id = ?"));
        query.addBindValue(stamp(m_session.row.ended));
        query.addBindValue(m_session.id);
        if (!query.exec())
            return false;
    }
    m_session.endWritten = m_session.row.ended.isValid();
    return true;
}

qint64 RecordWriter::insertAnswer(const AnswerRow &row)
{
    QSqlQuery query(m_file->database());
    const QVariantList values = answerValues(row);
    query.prepare(QStringLiteral("INSERT INTO answer (session, %1) VALUES (?%2)")
                      .arg(answerColumnList(), QStringLiteral(", ?").repeated(values.size())));
    query.addBindValue(m_session.id != 0 ? QVariant(m_session.id) : QVariant());
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() ? query.lastInsertId().toLongLong() : 0;
}

void RecordWriter::failed(const QString &line)
{
    closeFile();
    if (m_troubleSaid)
        return;
    m_troubleSaid = true;
    emit trouble(line);
}

void RecordWriter::closeFile()
{
    m_file.reset();
}

} // namespace record
