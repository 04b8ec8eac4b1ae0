-- SPDX-License-Identifier: GPL-3.0-or-later
-- The school's server for Solvetra: the table of answers, the pupils' group
-- and the teacher's role.
-- Run once, as the server's superuser, in the database made for it:
--   psql -d solvetra -f school-server.sql
-- psql asks for the two passwords; -v pupil_password=... -v
-- teacher_password=... gives them without asking. Then give each pupil (or
-- each lab computer's shared account) a role of its own with
-- solvetra-add-pupils, so that the server knows who sends.
\set ON_ERROR_STOP on

-- Every pupil's role is a member of this group, which may only add answers.
CREATE ROLE solvetra_pupils NOLOGIN;
-- One login shared by computers whose pupils have no role of their own
-- yet: whoever knows its password may change it for all of them.
CREATE ROLE solvetra_pupil LOGIN IN ROLE solvetra_pupils CONNECTION LIMIT 200;
CREATE ROLE solvetra_teacher LOGIN;

\if :{?pupil_password}
ALTER ROLE solvetra_pupil PASSWORD :'pupil_password';
\else
\echo 'Password for the shared pupils'' role (solvetra_pupil):'
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
-- The bounds are those of the program's own answers, so that a pupil with
-- psql can add nothing the report cannot show.
CREATE TABLE answer (
    uuid uuid PRIMARY KEY,
    at timestamp(3) NOT NULL CHECK (at >= '2000-01-01'), -- the pupil's computer's local time
    pupil text NOT NULL CHECK (length(pupil) <= 60),
    class text NOT NULL CHECK (length(class) <= 60),
    level integer NOT NULL CHECK (level BETWEEN 1 AND 3),
    kind text NOT NULL CHECK (length(kind) <= 20),
    m integer NOT NULL CHECK (m BETWEEN 1 AND 1000),
    n integer NOT NULL CHECK (n BETWEEN 1 AND 1000),
    -- NaN and infinity are above every bound.
    given1 double precision NOT NULL CHECK (given1 > 0 AND given1 < 1e6),
    given2 double precision NOT NULL CHECK (given2 > 0 AND given2 < 1e6),
    asked text NOT NULL CHECK (length(asked) <= 4),
    expected double precision NOT NULL CHECK (expected > 0 AND expected < 1e6),
    typed text NOT NULL CHECK (length(typed) <= 60),
    "right" boolean NOT NULL,
    seconds double precision NOT NULL CHECK (seconds >= 0 AND seconds <= 86400),
    -- The code of the assignment it answers, or empty. A server made before
    -- assignments gets it with:
    --   ALTER TABLE answer ADD COLUMN assignment text NOT NULL DEFAULT ''
    --       CHECK (length(assignment) <= 12);
    assignment text NOT NULL DEFAULT '' CHECK (length(assignment) <= 12),
    -- Its number in the record it came from: answers of the same millisecond
    -- keep the order they were given in.
    seq bigint NOT NULL DEFAULT 0 CHECK (seq >= 0),
    -- Who sent it and when it came, as the server knows them: the pupils
    -- may not give these columns (see the grants below).
    sender name NOT NULL DEFAULT session_user,
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
-- The longest run of right answers and the sums: each pupil's answers in
-- order, read from the index alone without sorting the year. Its keys are
-- the report's own expressions, so that the server can match them; the
-- columns the report reads or bounds come with it. A server made before
-- gets it with the same statement, then VACUUM ANALYZE answer.
CREATE INDEX answer_pupil_at ON answer (substr(class, 1, 61), substr(pupil, 1, 61), (sender::text),
                                        at, seq, uuid)
    INCLUDE (class, pupil, sender, "right", level, m, n, given1, given2, expected, seconds);
-- The index alone serves only pages the server knows all-visible: vacuumed
-- after every 1 % of new answers, not every 20 %.
ALTER TABLE answer SET (autovacuum_vacuum_insert_scale_factor = 0.01);

-- Answers a role sent each day, for the limit below; the pupils never see it.
CREATE TABLE answers_per_day (
    sender name NOT NULL,
    day date NOT NULL,
    answers integer NOT NULL,
    PRIMARY KEY (sender, day)
);

-- A role's own limit where a pupil's is not enough: a login a lab shares.
-- INSERT INTO daily_limit VALUES ('lab03', 20000) gives one more.
CREATE TABLE daily_limit (
    sender name PRIMARY KEY,
    answers integer NOT NULL
);
INSERT INTO daily_limit VALUES ('solvetra_pupil', 50000);

-- A quiz gives an answer every few seconds at most: 2,000 a day is a long
-- day's play for one pupil. More is a flood, which would swell every
-- report. An answer dated after it came (plus a minute for clocks a little
-- ahead) is refused too; the program sends it again later and it is taken
-- then. The superuser's own loads are not counted.
CREATE FUNCTION answer_within_bounds() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, public AS $$
DECLARE
    today integer;
BEGIN
    IF NEW.at > localtimestamp + interval '1 minute' THEN
        RAISE EXCEPTION 'answer dated after it came: %', NEW.at
            USING ERRCODE = 'check_violation';
    END IF;
    IF (SELECT rolsuper FROM pg_roles WHERE rolname = NEW.sender) THEN
        RETURN NEW;
    END IF;
    INSERT INTO answers_per_day AS sent (sender, day, answers)
        VALUES (NEW.sender, current_date, 1)
        ON CONFLICT (sender, day) DO UPDATE SET answers = sent.answers + 1
        RETURNING sent.answers INTO today;
    IF today > coalesce((SELECT answers FROM daily_limit WHERE sender = NEW.sender), 2000) THEN
        RAISE EXCEPTION 'more answers today from % than it may send', NEW.sender
            USING ERRCODE = 'program_limit_exceeded';
    END IF;
    RETURN NEW;
END
$$;
CREATE TRIGGER answer_within_bounds BEFORE INSERT ON answer
    FOR EACH ROW EXECUTE FUNCTION answer_within_bounds();

-- The pupils' program only adds, and only the columns it knows; what is in
-- the table is the teacher's to read.
REVOKE ALL ON answer, solution_opened, answers_per_day, daily_limit FROM PUBLIC;
REVOKE ALL ON FUNCTION answer_within_bounds() FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO solvetra_pupils, solvetra_teacher;
GRANT INSERT (uuid, at, pupil, class, level, kind, m, n, given1, given2, asked, expected, typed,
              "right", seconds, seq, assignment) ON answer TO solvetra_pupils;
GRANT INSERT ON solution_opened TO solvetra_pupils;
GRANT SELECT ON answer, solution_opened TO solvetra_teacher;
