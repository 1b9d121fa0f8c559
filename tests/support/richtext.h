#pragma once

// Reading rich text back: paragraphs, character formats, whole documents.

#include <QColor>
#include <QFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace tablicznik::testing {

// The text of every paragraph, as the document holds it (line separators
// and no-break spaces kept).
inline QStringList paragraphs(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The character format written as a short tag: "b", "i", the point size,
// "sup"/"sub", a baseline shift in percent, the font family and the colour,
// in that order, whatever is set.
inline QString formatTag(const QTextCharFormat &format)
{
    QStringList tag;
    if (format.fontWeight() >= QFont::Bold)
        tag << QStringLiteral("b");
    if (format.fontItalic())
        tag << QStringLiteral("i");
    if (format.hasProperty(QTextFormat::FontPointSize))
        tag << QString::number(format.fontPointSize()) + QStringLiteral("pt");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        tag << QStringLiteral("sup");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        tag << QStringLiteral("sub");
    if (format.hasProperty(QTextFormat::TextBaselineOffset))
        tag << QString::asprintf("%+g%%", format.baselineOffset());
    if (!format.fontFamilies().toStringList().isEmpty())
        tag << format.fontFamilies().toStringList().join(u',');
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        tag << format.foreground().color().name();
    return tag.join(u' ');
}

// The whole document as "{tag}text" runs, paragraphs separated by " | ".
inline QString describe(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            text += u'{' + formatTag(fragment.charFormat()) + u'}' + fragment.text();
        }
        blocks << text;
    }
    return blocks.join(QStringLiteral(" | "));
}

// The character format of the first character of the first occurrence of
// `needle`; an invalid format when the text is missing.
inline QTextCharFormat formatOf(const QTextDocument &doc, const QString &needle)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const qsizetype at = block.text().indexOf(needle);
        if (at < 0)
            continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int offset = fragment.position() - block.position();
            if (at >= offset && at < offset + fragment.length())
                return fragment.charFormat();
        }
    }
    return {};
}

// A description long enough for several printed pages and a scrolled view:
// a heading and `count` numbered paragraphs.
inline QString longDescription(int count)
{
    QString rtf = QStringLiteral(R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}})"
                                 R"(\pard\qc\plain\f1\fs32\b Mied\'9f (Cu)\par )");
    for (int i = 1; i <= count; ++i)
        rtf += QStringLiteral(R"(\pard\qj\plain\f0\fs22 Akapit %1: mied\'9f przewodzi pr\'b9d i ciep\'b3o lepiej )"
                              R"(ni\'bf wi\'eakszo\'9c\'e6 metali.\par )").arg(i);
    return rtf + u'}';
}

inline QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tablicznik::testing
