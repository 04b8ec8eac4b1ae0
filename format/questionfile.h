// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace format {

// One numerical question for a learning platform, in the texts it shows.
struct Question
{
    QString name;           // "Problema 01"
    QStringList paragraphs; // the question, one paragraph each
    QString answer;         // the exact value with a decimal point: "3.6"
    QString unit;           // accepted after the value: "cm"
    QString wrongFeedback;  // shown for any other answer: the right one
    QStringList solution;   // the worked solution, a line each
    QString figureFile;     // the picture's file name, empty for none
    QByteArray figurePng;   // the picture itself
    QSize figureSize;       // the size it is shown at, in CSS pixels
    QString figureAlt;      // the picture in words
};

// A set of questions under one category.
struct QuestionSet
{
    QString category;
    QList<Question> questions;
};

// Moodle's XML question format: a category, then one numerical question
// each, with its picture embedded; UTF-8.
QByteArray moodleXml(const QuestionSet &set);

// Moodle's GIFT text format: the same questions without pictures; UTF-8.
QByteArray giftText(const QuestionSet &set);

// A text with the characters GIFT reads as its own marks escaped.
QString giftEscaped(const QString &text);

} // namespace format
