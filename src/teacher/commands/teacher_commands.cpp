// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher_commands.h"

#include "class_folder.h"
#include "class_report.h"
#include "class_tables.h"
#include "csv.h"
#include "lecture_handout.h"
#include "output_file.h"
#include "overview_title.h"
#include "problem_worksheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace piyota::teacher {

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "piyota-teacher: " << message << '\n';
    return 1;
}

int failMisnamed(const QString &file, const QString &extension)
{
    return fail(QStringLiteral("%1 には書き出しません。名前は %2 で終わるようにしてください。").arg(file, extension));
}

// Writes `bytes` as `file`, whole or not at all.
int writeOutput(const QString &file, const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return fail(QStringLiteral("%1 を作れませんでした。").arg(file));
    if (!writeWholeFile(file, *bytes))
        return fail(QStringLiteral("%1 に書き出せませんでした。").arg(file));
    return 0;
}

const QString kPdfExtension = QStringLiteral(".pdf");

// The tables a CSV file may hold, in the order of their names for --table.
const QStringList kTableNames{QStringLiteral("students"), QStringLiteral("problems"), QStringLiteral("lectures"),
                              QStringLiteral("skipped")};

const QAbstractItemModel *csvTable(const ClassTables &tables, const QString &name)
{
    const QList<const QAbstractItemModel *> named{&tables.students, &tables.problems, &tables.lectures,
                                                   &tables.skipped};
    return named.value(kTableNames.indexOf(name));
}

// Writes the report of `folder` as `file`, of the kind its extension names
// and `bytes` makes; nothing else is written.
int exportReport(const QCommandLineParser &options, const QString &option, const QString &extension,
                 const std::function<std::optional<QByteArray>(const ClassTables &, const ReportContents &)> &bytes)
{
    const QString file = options.value(option);
    const QStringList arguments = options.positionalArguments();
    if (arguments.size() != 1)
        return fail(QStringLiteral("書き出すフォルダを一つ指定してください。"));
    if (!hasExtension(file, extension))
        return failMisnamed(file, extension);
    const ClassOverview overview = readClassOverview(arguments.constFirst()).result();
    if (!overview.folderReadable)
        return fail(QStringLiteral("フォルダを読めません：%1").arg(QDir::toNativeSeparators(overview.folder)));
    ClassTables tables;
    tables.show(overview);
    const ReportContents contents{overview.folder,    QDateTime::currentDateTime(), &tables.students, &tables.problems,
                                  &tables.lectures,   &tables.skipped,              overview.problems};
    return writeOutput(file, bytes(tables, contents));
}

// The number `text` spells when it lies in first..last.
std::optional<int> numberIn(const QString &text, int first, int last)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber || number < first || number > last)
        return std::nullopt;
    return number;
}

// Writes teaching material as the PDF file the one argument names; nothing
// else is written.
int writeMaterialPdf(const QCommandLineParser &options, const TeachingMaterial &material)
{
    const QStringList arguments = options.positionalArguments();
    if (arguments.size() != 1)
        return fail(QStringLiteral("書き出す PDF ファイルを一つ指定してください。"));
    const QString &file = arguments.constFirst();
    if (!hasExtension(file, kPdfExtension))
        return failMisnamed(file, kPdfExtension);
    return writeOutput(file, pdfOf(material.frame, material.blocks));
}

const QString kPdfOption = QStringLiteral("export-pdf");
const QString kSpreadsheetOption = QStringLiteral("export-xlsx");
const QString kCsvOption = QStringLiteral("export-csv");
const QString kTableOption = QStringLiteral("table");
const QString kLectureOption = QStringLiteral("lecture-pdf");
const QString kProblemsOption = QStringLiteral("problems-pdf");
const QString kStageOption = QStringLiteral("stage");
const QString kSpeechOption = QStringLiteral("speech");

QCommandLineOption tableOption()
{
    return {kTableOption,
            QStringLiteral("--export-csv で書き出す表：students（生徒ごと、既定）、problems（問題ごと）、"
                           "lectures（講義ごと）、skipped（読めなかったファイル）。"),
            QStringLiteral("NAME"), QStringLiteral("students")};
}

QList<QCommandLineOption> materialOptions()
{
    return {{kStageOption,
             QStringLiteral("--problems-pdf で印刷するステージ：1（問題1〜15）か 2（問題16〜30）。"
                            "なければ全30問。"),
             QStringLiteral("N")},
            {kSpeechOption, QStringLiteral("--lecture-pdf で、数学博士のせりふも印刷します。")}};
}

} // namespace

QList<TeacherCommand> teacherCommands()
{
    return {
        {{kPdfOption, QStringLiteral("FOLDER のクラスの結果を PDF ファイル FILE に書き出して終わります。"),
          QStringLiteral("FILE")},
         {},
         [](const QCommandLineParser &options) {
             return exportReport(options, kPdfOption, kPdfExtension,
                                 [](const ClassTables &, const ReportContents &contents) {
                                     return std::optional(classReportPdf(contents));
                                 });
         }},
        {{kSpreadsheetOption,
          QStringLiteral("FOLDER のクラスの結果を Excel ファイル FILE（.xlsx、表ごとに一枚のシート）に書き出して終わります。"),
          QStringLiteral("FILE")},
         {},
         [](const QCommandLineParser &options) {
             return exportReport(options, kSpreadsheetOption, QStringLiteral(".xlsx"),
                                 [](const ClassTables &, const ReportContents &contents) {
                                     return classReportSpreadsheet(contents);
                                 });
         }},
        {{kCsvOption,
          QStringLiteral("FOLDER の表の一つ（--table）を CSV ファイル FILE に書き出して終わります。"),
          QStringLiteral("FILE")},
         {kTableOption},
         [](const QCommandLineParser &options) {
             const QString name = options.value(kTableOption);
             if (!kTableNames.contains(name))
                 return fail(QStringLiteral("--table は %1 のどれかです。").arg(kTableNames.join(QStringLiteral("、"))));
             return exportReport(options, kCsvOption, QStringLiteral(".csv"),
                                 [&name](const ClassTables &tables, const ReportContents &) {
                                     return std::optional(csvOf(*csvTable(tables, name)));
                                 });
         }},
        {{kLectureOption,
          QStringLiteral("数学博士の講義 N（1〜%1）の配布資料を PDF ファイル FILE に書き出して終わります。")
              .arg(lectureCount()),
          QStringLiteral("N")},
         {kSpeechOption},
         [](const QCommandLineParser &options) {
             const QString asked = options.value(kLectureOption);
             const std::optional<int> lecture = numberIn(asked, 1, lectureCount());
             if (!lecture)
                 return fail(QStringLiteral("講義の番号は 1 から %1 までです：%2").arg(lectureCount()).arg(asked));
             return writeMaterialPdf(options, lectureHandout(*lecture, options.isSet(kSpeechOption),
                                                             QDateTime::currentDateTime()));
         }},
        {{kProblemsOption,
          QStringLiteral("問題プリント（解答群のパターン LAYOUT：1〜%1、最後のページに解答）を PDF ファイル FILE に"
                         "書き出して終わります。")
              .arg(content::kLayoutCount),
          QStringLiteral("LAYOUT")},
         {kStageOption},
         [](const QCommandLineParser &options) {
             const QString asked = options.value(kProblemsOption);
             const std::optional<int> layout = numberIn(asked, 1, content::kLayoutCount);
             if (!layout)
                 return fail(QStringLiteral("パターンは 1 から %1 までです：%2").arg(content::kLayoutCount).arg(asked));
             std::optional<Stage> stage;
             if (options.isSet(kStageOption)) {
                 const std::optional<int> number = numberIn(options.value(kStageOption), 1, 2);
                 if (!number)
                     return fail(QStringLiteral("--stage は 1 か 2 です：%1").arg(options.value(kStageOption)));
                 stage = *number == 1 ? Stage::First : Stage::Second;
             }
             return writeMaterialPdf(options, problemWorksheet(*layout, stage, QDateTime::currentDateTime()));
         }},
    };
}

bool isCommandLineRun(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed, none used
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("piyota-teacher"));
    QApplication::setApplicationVersion(QStringLiteral(PIYOTA_VERSION));

    QCommandLineParser options;
    options.setApplicationDescription(overviewTitle() + QStringLiteral(
        "：フォルダの進み具合のファイル（.ucd）を読み、クラスの結果を表とグラフで示します。ファイルは読むだけで、"
        "変えません。オプションなしでウィンドウを開き、FOLDER があればそのフォルダを開きます。"));
    options.addHelpOption();
    options.addVersionOption();
    const QList<TeacherCommand> commands = teacherCommands();
    for (const TeacherCommand &command : commands)
        options.addOption(command.option);
    options.addOption(tableOption());
    options.addOptions(materialOptions());
    options.addPositionalArgument(QStringLiteral("FOLDER"),
                                  QStringLiteral("読むフォルダ（--lecture-pdf と --problems-pdf では、書き出す PDF "
                                                 "ファイル FILE）"),
                                  QStringLiteral("[FOLDER | FILE]"));
    options.process(application); // the help, the version and mistakes end here

    const TeacherCommand *chosen = nullptr;
    for (const TeacherCommand &command : commands) {
        if (!options.isSet(command.option))
            continue;
        if (chosen)
            return fail(QStringLiteral("書き出しは一度に一つだけ指定してください。"));
        chosen = &command;
    }
    if (!chosen)
        return fail(QStringLiteral("何をするかのオプションがありません（--help で一覧を示します）。"));
    for (const QString &name : {kTableOption, kStageOption, kSpeechOption}) {
        if (options.isSet(name) && !chosen->takes.contains(name))
            return fail(QStringLiteral("--%1 は --%2 と一緒には使えません。").arg(name, chosen->option.names().constFirst()));
    }
    return chosen->run(options);
}

} // namespace piyota::teacher
