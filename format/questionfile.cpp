// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/questionfile.h"

#include <QXmlStreamWriter>

namespace format {
namespace {

// Moodle reads a category as a path: "$course$/top/..." puts it under the
// course's own questions, and a "/" of the name itself is written "//".
QString categoryPath(const QString &name)
{
    QString path = name.simplified();
    path.replace(u'/', QStringLiteral("//"));
    return QStringLiteral("$course$/top/") + path;
}

QString htmlParagraph(const QString &text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString questionHtml(const Question &question)
{
    QString html;
    for (const QString &paragraph : question.paragraphs)
        html += htmlParagraph(paragraph);
    if (!question.figureFile.isEmpty())
        html += QStringLiteral("<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"%2\" width=\"%3\" "
                               "height=\"%4\"></p>")
                    .arg(question.figureFile.toHtmlEscaped(), question.figureAlt.toHtmlEscaped())
                    .arg(question.figureSize.width())
                    .arg(question.figureSize.height());
    return html;
}

QString linesHtml(const QStringList &lines)
{
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<p>") + escaped.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

// <name format="..."><text>...</text></name>; the writer escapes < and &.
void textElement(QXmlStreamWriter &xml, const QString &name, const QString &text,
                 const QString &format = {})
{
    xml.writeStartElement(name);
    if (!format.isEmpty())
        xml.writeAttribute(QStringLiteral("format"), format);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

void writeCategory(QXmlStreamWriter &xml, const QString &category)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    textElement(xml, QStringLiteral("category"), categoryPath(category));
    xml.writeEndElement();
}

void writeAnswer(QXmlStreamWriter &xml, const QString &fraction, const QString &value,
                 const QString &feedback)
{
    xml.writeStartElement(QStringLiteral("answer"));
    xml.writeAttribute(QStringLiteral("fraction"), fraction);
    xml.writeAttribute(QStringLiteral("format"), QStringLiteral("moodle_auto_format"));
    xml.writeTextElement(QStringLiteral("text"), value);
    textElement(xml, QStringLiteral("feedback"),
                feedback.isEmpty() ? QString() : htmlParagraph(feedback), QStringLiteral("html"));
    // The values are exact decimals: nothing but the value itself is right.
    xml.writeTextElement(QStringLiteral("tolerance"), QStringLiteral("0"));
    xml.writeEndElement();
}

void writeQuestion(QXmlStreamWriter &xml, const Question &question)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("numerical"));
    textElement(xml, QStringLiteral("name"), question.name);

    xml.writeStartElement(QStringLiteral("questiontext"));
    xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
    xml.writeTextElement(QStringLiteral("text"), questionHtml(question));
    if (!question.figureFile.isEmpty()) {
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("name"), question.figureFile);
        xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
        xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
        xml.writeCharacters(QString::fromLatin1(question.figurePng.toBase64()));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    textElement(xml, QStringLiteral("generalfeedback"), linesHtml(question.solution),
                QStringLiteral("html"));
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    writeAnswer(xml, QStringLiteral("100"), question.answer, {});
    // "*" is Moodle's any other answer.
    writeAnswer(xml, QStringLiteral("0"), QStringLiteral("*"), question.wrongFeedback);

    xml.writeStartElement(QStringLiteral("units"));
    xml.writeStartElement(QStringLiteral("unit"));
    xml.writeTextElement(QStringLiteral("multiplier"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("unit_name"), question.unit);
    xml.writeEndElement();
    xml.writeEndElement();
    // The unit may be typed or left out, and costs nothing either way:
    // optional units (grading type 0) in a text box (show units 0).
    xml.writeTextElement(QStringLiteral("unitgradingtype"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("unitpenalty"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("showunits"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("unitsleft"), QStringLiteral("0"));
    xml.writeEndElement();
}

} // namespace

QByteArray moodleXml(const QuestionSet &set)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    writeCategory(xml, set.category);
    for (const Question &question : set.questions)
        writeQuestion(xml, question);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QString giftEscaped(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\n') {
            escaped += QStringLiteral("\\n");
            continue;
        }
        if (QStringView(u"\\~=#{}:").contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

QByteArray giftText(const QuestionSet &set)
{
    // A blank line ends a question, so each question is one line.
    QString text =
        QStringLiteral("$CATEGORY: ") + categoryPath(set.category) + QStringLiteral("\n\n");
    for (const Question &question : set.questions) {
        text += QStringLiteral("::%1::%2 {#%3:0####%4}\n\n")
                    .arg(giftEscaped(question.name), giftEscaped(question.paragraphs.join(u'\n')),
                         question.answer, giftEscaped(question.solution.join(u'\n')));
    }
    return text.toUtf8();
}

} // namespace format
