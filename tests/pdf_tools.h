// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// A PDF read back as its readers read it, with poppler's tools.
namespace piyota::pdf_tools {

// The poppler tools a test needs that are not installed, by name.
inline QString missingTools()
{
    QStringList missing;
    for (const QString &tool : {QStringLiteral("pdftotext"), QStringLiteral("pdffonts"), QStringLiteral("pdfimages")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing.join(QLatin1Char(' '));
}

// What a poppler tool prints about the file.
inline QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text in the order the pages draw it, a form feed after each page.
inline QString text(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
}

inline QString withoutSpaces(QString text)
{
    return text.remove(QLatin1Char(' ')).remove(QChar(0x3000)).remove(QLatin1Char('\n'));
}

// The first of the texts that the extracted text does not hold, in order
// and whole (spaces aside), or nothing.
inline QString firstMissing(const QString &extracted, const QStringList &texts)
{
    const QString all = withoutSpaces(extracted);
    qsizetype from = 0;
    for (const QString &text : texts) {
        const qsizetype at = all.indexOf(withoutSpaces(text), from);
        if (at < 0)
            return text;
        from = at;
    }
    return {};
}

// The lines of pdffonts for fonts that are not embedded, or that it could
// not list; none when every font is in the file.
inline QStringList fontsNotEmbedded(const QString &pdf)
{
    const QStringList lines = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() <= 2) // a heading, a rule, then a font at least
        return lines.isEmpty() ? QStringList{QStringLiteral("no fonts")} : lines;
    QStringList bare;
    for (const QString &font : lines.mid(2)) {
        // name type encoding emb sub uni object ID
        const QStringList columns = font.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() < 7 || columns[columns.size() - 5] != QLatin1String("yes"))
            bare << font;
    }
    return bare;
}

// The pictures the file holds.
inline qsizetype pictureCount(const QString &pdf)
{
    const QStringList lines =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() - 2; // the heading and its rule
}

} // namespace piyota::pdf_tools
