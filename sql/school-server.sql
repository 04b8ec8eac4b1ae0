-- SPDX-License-Identifier: GPL-3.0-or-later
-- The school's server for Solvetra: the table of answers and the two roles.
-- Run once, as the server's superuser, in the database made for it:
--   psql -d solvetra -f school-server.sql
-- psql asks for the two passwords; -v pupil_password=... -v
-- teacher_password=... gives them without asking.
\set ON_ERROR_STOP on

CREATE ROLE solvetra_pupil LOGIN;
CREATE ROLE solvetra_teacher LOGIN;

\if :{?pupil_password}
ALTER ROLE solvetra_pupil PASSWORD :'pupil_password';
\else
\echo 'Password for the pupils (solvetra_pupil):'
\password solvetra_pupil
\endif
\if :{?teacher_password}
ALTER ROLE solvetra_teacher PASSWORD :'teacher_password';
\else
\echo 'Password for the teacher (solvetra_teacher):'
\password solvetra_teacher
\endif

-- One row per answer, whichever computer sent it, kept once by its id:
-- a computer that is not sure the server took a batch sends it again.
CREATE TABLE answer (
    uuid uuid PRIMARY KEY,
    at timestamp(3) NOT NULL, -- the pupil's computer's local time
    pupil text NOT NULL,
    class text NOT NULL,
    level integer NOT NULL,
    kind text NOT NULL,
    m integer NOT NULL,
    n integer NOT NULL,
    given1 double precision NOT NULL,
    given2 double precision NOT NULL,
    asked text NOT NULL,
    expected double precision NOT NULL,
    typed text NOT NULL,
    "right" boolean NOT NULL,
    seconds double precision NOT NULL,
    -- The code of the assignment it answers, or empty. A server made before
    -- assignments gets it with:
    --   ALTER TABLE answer ADD COLUMN assignment text NOT NULL DEFAULT '';
    assignment text NOT NULL DEFAULT '',
    -- Its number in the record it came from: answers of the same millisecond
    -- keep the order they were given in.
    seq bigint NOT NULL DEFAULT 0,
    received timestamptz NOT NULL DEFAULT now()
);

-- The pupil may open the worked solution after the answer went: that comes
-- as a row of its own, so the pupils never need to change a row.
CREATE TABLE solution_opened (
    uuid uuid PRIMARY KEY REFERENCES answer (uuid)
);

-- A class's report over a period, and the school's: the rows come in the
-- report's order straight from the index, with no sort.
CREATE INDEX answer_class_at ON answer (class, at, seq, uuid);
CREATE INDEX answer_at ON answer (at, seq, uuid);

-- The pupils' program only adds; what is in the table is the teacher's to read.
REVOKE ALL ON answer, solution_opened FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO solvetra_pupil, solvetra_teacher;
GRANT INSERT ON answer, solution_opened TO solvetra_pupil;
GRANT SELECT ON answer, solution_opened TO solvetra_teacher;
