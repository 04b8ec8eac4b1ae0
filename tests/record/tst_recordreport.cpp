// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
class TestRecordReport : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestRecordReport)
#include "tst_recordreport.moc"
