#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the teachers' outputs back as a teacher's tools would.

Makes a class folder with a generator of its own (the progress file's
format written here, not by the program), runs piyota-teacher's exports
without a display, and checks the PDF with poppler (every text at least
8 points, every code and figure there, no row split across pages, the
heading row on every page of a table), the .xlsx with openpyxl (sheets,
cell types, values, number formats, shading, frozen headings) and the CSV
bytes (byte-order mark, CRLF, every guard). Every expected figure is
computed here from the generated records.

    check_exports.py PIYOTA_TEACHER
Exits 77 (skipped) where poppler-utils or python3-openpyxl is missing.
"""

import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zipfile
from pathlib import Path

SKIP = 77
UNKNOWN_ACCOUNT = 61234
# The lectures' problems, as the course maps them.
LECTURES = [(1, 5), (6, 10), (11, 15), (16, 20), (21, 25), (26, 26), (27, 27), (28, 28), (29, 29), (30, 30)]
HARDEST_FILL = "FFFFD6AA"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def half_up(value, decimals):
    """Rounded half away from zero, as a teacher rounds by hand."""
    scale = 10 ** decimals
    return math.floor(abs(value) * scale + 0.5) / scale * (1 if value >= 0 else -1)


def fixed(value, decimals):
    return f"{half_up(value, decimals):.{decimals}f}"


# --- The class: records, and their files

# Wrong answers on each problem, the same for every student who reached it,
# so that averages tie exactly: problem 2 first, 9, 17 and 20 tied third.
MISSES = {p: {2: 4, 9: 2, 17: 2, 20: 2}.get(p, p % 2) for p in range(1, 31)}


class Student:
    def __init__(self, folder, code, problem_no, score, seconds, current_reading=0.0, done=False):
        """seconds: of problems 1..problem_no-1 (all 30 when done); the current
        problem holds `current_reading` (0: not begun)."""
        self.folder, self.code = folder, code
        self.problem_no, self.score, self.done = problem_no, score, done
        self.misses = [MISSES[p] if p <= problem_no else 0 for p in range(1, 31)]
        self.seconds = seconds + [0] * (30 - len(seconds))
        if not done:
            self.seconds[problem_no - 1] = current_reading

    def text(self):
        lines = [f"{self.problem_no},{self.score}"] + [f"{m},{s}" for m, s in zip(self.misses, self.seconds)]
        return "\r\n".join(lines) + "\r\n"

    def reached(self, p):
        return p <= self.problem_no

    def finished(self, p):
        return p < self.problem_no or (p == 30 and self.done)


def make_class():
    students = []
    # 60 students in their own folders, so that the students' table runs over a page.
    for n in range(60):
        folder = "aoi" if n < 30 else "riku"
        problem_no = 1 + n % 30
        seconds = [20 + (n * p) % 37 for p in range(1, problem_no)]
        reading = 45000.25 + n if n % 3 else 0
        students.append(Student(folder, f"s{n:02d}", problem_no, 3000 * (n % 7) - 6000, seconds, reading))
    # Codes a spreadsheet would take for numbers or formulas, at the folder's top (an earlier version's files).
    students.append(Student("", "0012", 30, 90000, [30 + p for p in range(1, 31)], done=True))
    students.append(Student("", "1e5", 4, 6000, [10, 20, 31], 50000.5))
    students.append(Student("", "-5", 2, -3000, [7]))
    students.append(Student("", "=cmd", 3, 0, [12, 13], 40000.75))
    # One more, so that problems 4 to 19 are finished by an even number of students.
    students.append(Student("", "ren", 20, 15000, [15 + 9 * p for p in range(1, 20)], 41000.5))
    return students


def write_class(root, students):
    for student in students:
        folder = root / student.folder
        folder.mkdir(exist_ok=True)
        (folder / f"{student.code}.ucd").write_bytes(student.text().encode())
    (root / "aoi" / ".s00.lock").write_bytes(b"1234\nhost\n")
    (root / "UPPER.UCD").write_bytes(students[0].text().encode())  # not a progress file's name
    (root / b"bro\xffken.ucd".decode("utf-8", "surrogateescape")).write_bytes(b"no numbers")
    if os.geteuid() == 0:
        os.chown(root / "riku", UNKNOWN_ACCOUNT, -1)


# --- The figures, computed here

def problem_figures(students):
    figures = []
    for p in range(1, 31):
        reached = [s for s in students if s.reached(p)]
        finished = sorted(s.seconds[p - 1] for s in students if s.finished(p))
        misses = sum(s.misses[p - 1] for s in reached)
        average = misses / len(reached) if reached else None
        median, gap = None, 0
        if finished:
            middle = len(finished) // 2
            median = finished[middle] if len(finished) % 2 else (finished[middle - 1] + finished[middle]) / 2
            gap = 0 if len(finished) % 2 else finished[middle] - finished[middle - 1]
        figures.append({"problem": p, "reached": len(reached), "finished": len(finished), "misses": misses,
                        "average": average, "median": median, "gap": gap})
    averages = sorted((f["average"] for f in figures if f["average"]), reverse=True)
    third = averages[min(3, len(averages)) - 1]
    for f in figures:
        f["hardest"] = bool(f["average"]) and f["average"] >= third
    return figures


def lecture_figures(problems):
    lectures = []
    for number, (first, last) in enumerate(LECTURES, 1):
        covered = problems[first - 1:last]
        reached = sum(f["reached"] for f in covered)
        misses = sum(f["misses"] for f in covered)
        lectures.append({"lecture": number, "reached": covered[0]["reached"], "misses": misses,
                         "average": misses / reached if reached else None})
    return lectures


# --- Running the program without a display

def run(program, *arguments):
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([program, *arguments], capture_output=True, env=environment, timeout=120)


def check_command_line(program, root, out):
    helped = run(program, "--help")
    check(helped.returncode == 0 and b"--export-pdf" in helped.stdout and b"--export-xlsx" in helped.stdout,
          f"--help without a display: {helped.returncode} {helped.stderr[-300:]}")
    version = run(program, "--version")
    check(version.returncode == 0 and version.stdout.strip() == b"piyota-teacher 1.0", f"--version: {version.stdout}")
    missing = run(program, "--export-pdf", str(out / "missing.pdf"), str(root / "no such folder"))
    check(missing.returncode != 0 and "フォルダを読めません".encode() in missing.stderr, "an unreadable folder")
    before = (root / "0012.ucd").read_bytes()
    wrong = run(program, "--export-csv", str(root / "0012.ucd"), str(root))
    check(wrong.returncode != 0 and (root / "0012.ucd").read_bytes() == before, "a progress file's name refused")
    check(sorted(os.listdir(out)) == [], f"failed exports wrote {os.listdir(out)}")


def check_material_commands(program, root, out):
    """Teaching material from the command line: exactly the file named, or a message and nothing."""
    helped = run(program, "--help").stdout
    check(b"--lecture-pdf" in helped and b"--problems-pdf" in helped, "--help does not name the material commands")
    progress = root / "0012.ucd"
    before = progress.read_bytes()
    refused = [("--lecture-pdf", "11", str(out / "l.pdf"), "講義の番号"),
               ("--lecture-pdf", "x", str(out / "l.pdf"), "講義の番号"),
               ("--problems-pdf", "0", str(out / "w.pdf"), "パターン"),
               ("--problems-pdf", "4", str(out / "w.pdf"), "パターン"),
               ("--problems-pdf", "1", "--stage", "3", str(out / "w.pdf"), "--stage"),
               # an option of another command is refused, not ignored
               ("--lecture-pdf", "2", "--stage", "1", str(out / "l.pdf"), "--stage は --lecture-pdf"),
               ("--problems-pdf", "1", "--speech", str(out / "w.pdf"), "--speech は --problems-pdf"),
               ("--export-pdf", str(out / "r.pdf"), "--table", "problems", str(root), "--table は --export-pdf"),
               ("--lecture-pdf", "2", str(progress), ".pdf"),
               ("--problems-pdf", "1", str(out / "no such folder" / "w.pdf"), "書き出せません")]
    for *arguments, message in refused:
        made = run(program, *arguments)
        check(made.returncode != 0 and message.encode() in made.stderr,
              f"{arguments}: {made.returncode} {made.stderr.decode(errors='replace')[-200:]}")
    check(progress.read_bytes() == before, "a progress file named as the PDF was changed")
    check(sorted(os.listdir(out)) == [], f"refused material wrote {os.listdir(out)}")
    for arguments, name, shown in ((("--lecture-pdf", "3", "--speech"), "lecture.pdf", "第3講"),
                                   (("--problems-pdf", "2", "--stage", "2"), "worksheet.pdf", "【問題16】")):
        made = run(program, *arguments, str(out / name))
        check(made.returncode == 0 and made.stdout == b"", f"{arguments}: {made.returncode} {made.stderr[-300:]}")
        text = subprocess.run(["pdftotext", str(out / name), "-"], capture_output=True, text=True).stdout
        check(shown in text, f"{name} does not show {shown}")
    check(sorted(os.listdir(out)) == ["lecture.pdf", "worksheet.pdf"], f"the material wrote {os.listdir(out)}")
    for made in os.listdir(out):
        os.remove(out / made)


# --- The PDF

def pdf_words(path):
    xml = subprocess.run(["pdftotext", "-bbox", str(path), "-"], capture_output=True, check=True).stdout
    xml = re.sub(rb"<!DOCTYPE[^>]*>", b"", xml).replace(b' xmlns="http://www.w3.org/1999/xhtml"', b"")
    pages = []
    for page in ElementTree.fromstring(xml).iter("page"):
        pages.append([(w.text or "", float(w.get("xMin")), float(w.get("yMin")), float(w.get("yMax")))
                      for w in page.iter("word")])
    return pages


def row_words(page, y_min):
    return [w[0] for w in page if abs(w[2] - y_min) < 1.5]


def check_pdf(program, root, out, students, problems):
    pdf = out / "report.pdf"
    made = run(program, "--export-pdf", str(pdf), str(root))
    check(made.returncode == 0, f"--export-pdf: {made.returncode} {made.stderr[-300:]}")
    check(sorted(os.listdir(out)) == ["report.pdf"], f"the PDF export wrote {os.listdir(out)}")
    fonts = subprocess.run(["pdffonts", str(pdf)], capture_output=True, text=True).stdout
    check("Ume-Gothic" in fonts and " yes " in fonts, f"fonts not embedded: {fonts}")
    pages = pdf_words(pdf)
    check(len(pages) >= 3, f"{len(pages)} pages")
    for number, page in enumerate(pages, 1):
        small = [w for w in page if w[3] - w[2] < 8]
        check(not small, f"page {number}: text under 8 points: {small[:5]}")
        texts = [w[0] for w in page]
        check(f"{number}" in texts and "ページ" in " ".join(texts), f"page {number} has no page number")
        check("作成" in texts and any(t.startswith("フォルダ：") for t in texts), f"page {number}: no frame")
    # Each student's row whole on one page, under the students' heading row.
    # The codes' heading, on one line or on two as ユーザー／コード: never broken mid-word.
    code_heading = ("ユーザーコード", "ユーザー")
    check(not any(w[0].startswith("ユーザー") and w[0] not in code_heading for page in pages for w in page),
          "the codes' heading broken mid-word")
    heading_pages = [n for n, page in enumerate(pages) if any(w[0] in code_heading for w in page)]
    check(len(heading_pages) >= 2, f"the students' table is on pages {heading_pages}: make the class larger")
    for student in students:
        found = [(n, w) for n, page in enumerate(pages) for w in page if w[0] == student.code and w[1] < 160]
        check(len(found) == 1, f"code {student.code}: {len(found)} times")
        if not found:
            continue
        number, word = found[0]
        row = row_words(pages[number], word[2])
        check(f"{student.score}" in row and str(sum(student.misses)) in row,
              f"{student.code}'s row split or wrong: {row}")
        above = [w for w in pages[number] if w[0] in code_heading and w[2] < word[2]]
        check(above, f"{student.code}: no heading row above it on page {number + 1}")
    # Each problem's figures in its row.
    # A problem's row: figures only (and ★), its number first at the left.
    problem_rows = []
    for n, page in enumerate(pages):
        for word in page:
            row = row_words(page, word[2])
            if word[1] < 75 and len(row) >= 5 and all(re.fullmatch(r"[\d.★]+", t) for t in row) and row[0] == word[0]:
                problem_rows.append((n, word))
    for figures in problems:
        rows = [row_words(pages[n], w[2]) for n, w in problem_rows if w[0] == str(figures["problem"])]
        wanted = [str(figures["reached"]), str(figures["finished"]), str(figures["misses"])]
        if figures["average"] is not None:
            wanted.append(fixed(figures["average"], 1))
        if figures["median"] is not None:
            wanted.append(fixed(figures["median"], 0))
        check(any(all(x in row for x in wanted) and (("★" in row) == figures["hardest"]) for row in rows),
              f"problem {figures['problem']}: {wanted} hardest={figures['hardest']} not in {rows}")


# --- The spreadsheet

def check_xlsx(program, root, out, students, problems, lectures):
    import openpyxl
    path = out / "report.xlsx"
    made = run(program, "--export-xlsx", str(path), str(root))
    check(made.returncode == 0, f"--export-xlsx: {made.returncode} {made.stderr[-300:]}")
    with zipfile.ZipFile(path) as archive:
        check(not any(b"<f>" in archive.read(name) for name in archive.namelist() if name.startswith("xl/worksheets")),
              "a formula in the workbook")
    book = openpyxl.load_workbook(path)
    check(book.sheetnames == ["生徒ごと", "問題ごと", "講義ごと", "読めなかったファイル"], f"sheets {book.sheetnames}")
    sheet = book["生徒ごと"]
    check(sheet.freeze_panes == "A2", f"students' headings not frozen: {sheet.freeze_panes}")
    check(all(cell.font.b for cell in sheet[1]), "students' headings not bold")
    headings = [cell.value for cell in sheet[1]]
    check(headings[:4] == ["ログイン", "ユーザーコード", "到達した問題", "得点"], f"headings {headings}")
    for column, cell in zip("ABCDEFGH", sheet[1]):
        wide = sum(2 if ord(c) > 0x2E80 else 1 for c in cell.value)
        check(sheet.column_dimensions[column].width >= wide, f"column {cell.value} narrower than its heading")
    rows = {row[1].value: row for row in sheet.iter_rows(min_row=2)}
    check(len(rows) == len(students), f"{len(rows)} students in the sheet")
    for student in students:
        row = rows.get(student.code)
        if row is None:
            failures.append(f"{student.code} not in the sheet")
            continue
        check(row[1].data_type == "s" and row[1].number_format == "@", f"{student.code} is not text")
        check(row[3].data_type == "n" and row[3].value == student.score, f"{student.code}'s score {row[3].value}")
        check(row[6].is_date, f"{student.code}'s last save is no date")
        login = "" if not student.folder else (str(UNKNOWN_ACCOUNT) if os.geteuid() == 0 and student.folder == "riku"
                                               else None)
        if login is not None:
            check((row[0].value or "") == login, f"{student.code}'s login {row[0].value}")
    sheet = book["問題ごと"]
    for figures, row in zip(problems, sheet.iter_rows(min_row=2)):
        check(row[0].value == figures["problem"] and row[1].value == figures["reached"]
              and row[3].value == figures["misses"], f"problem {figures['problem']}: {[c.value for c in row]}")
        if figures["average"] is not None:
            check(row[4].value == half_up(figures["average"], 1) and row[4].number_format == "0.0",
                  f"problem {figures['problem']}'s average {row[4].value}")
        if figures["median"] is not None:
            check(row[5].value == half_up(figures["median"], 0) and row[5].number_format == "0",
                  f"problem {figures['problem']}'s median {row[5].value}")
        shaded = row[0].fill.fgColor.rgb == HARDEST_FILL
        check(shaded == figures["hardest"] and row[0].font.b == figures["hardest"],
              f"problem {figures['problem']}: shaded {shaded}, hardest {figures['hardest']}")
    sheet = book["講義ごと"]
    for figures, row in zip(lectures, sheet.iter_rows(min_row=2)):
        check(row[0].value == figures["lecture"] and row[3].value == figures["reached"]
              and row[4].value == figures["misses"] and row[5].value == half_up(figures["average"], 1),
              f"lecture {figures['lecture']}: {[c.value for c in row]}")
    skipped = [row[0].value for row in book["読めなかったファイル"].iter_rows(min_row=2)]
    check(skipped == ["bro\\xFFken.ucd"], f"files not read: {skipped}")


# --- The CSV

def check_csv(program, root, out, students, problems):
    path = out / "students.csv"
    made = run(program, "--export-csv", str(path), str(root))
    check(made.returncode == 0, f"--export-csv: {made.returncode} {made.stderr[-300:]}")
    data = path.read_bytes()
    check(data.startswith(b"\xef\xbb\xbf"), "no byte-order mark")
    check(data.count(b"\n") == data.count(b"\r\n") == len(students) + 1, "line ends are not CRLF, one per row")
    lines = data[3:].decode().split("\r\n")
    codes = [line.split(",")[1] for line in lines[1:-1]]
    for guarded in ("0012", "1e5", "-5", "=cmd"):
        check("'" + guarded in codes, f"{guarded} not guarded in {codes}")
    check("s00" in codes, "a plain code guarded")
    scores = {line.split(",")[1]: line.split(",")[3] for line in lines[1:-1]}
    check(scores.get("'-5") == "-3000", f"a figure guarded: {scores.get(chr(39) + '-5')}")
    made = run(program, "--export-csv", str(out / "problems.csv"), "--table", "problems", str(root))
    check(made.returncode == 0, "--table problems")
    rows = (out / "problems.csv").read_bytes()[3:].decode().split("\r\n")[1:-1]
    for figures, row in zip(problems, rows):
        fields = row.split(",")
        check(fields[4] == (fixed(figures["average"], 1) if figures["average"] is not None else ""),
              f"problem {figures['problem']}'s average {fields[4]}")


def main():
    program = sys.argv[1]
    if not shutil.which("pdftotext"):
        print("skipped: pdftotext (poppler-utils) is missing")
        return SKIP
    try:
        import openpyxl  # noqa: F401
    except ImportError:
        print("skipped: python3-openpyxl is missing")
        return SKIP
    students = make_class()
    problems = problem_figures(students)
    lectures = lecture_figures(problems)
    check([f["problem"] for f in problems if f["hardest"]] == [2, 9, 17, 20], "the class ties three at the third place")
    # Medians of even counts, one halfway between two seconds, one whose middle two lie apart
    # (so that neither of them, rounded or not, passes for the median).
    check(any(f["median"] is not None and f["median"] % 1 == 0.5 for f in problems),
          "the class has a median halfway between two seconds")
    check(any(f["gap"] >= 2 for f in problems), "the class has a median between two seconds far apart")
    with tempfile.TemporaryDirectory() as work:
        root, out = Path(work) / "class", Path(work) / "out"
        root.mkdir()
        out.mkdir()
        write_class(root, students)
        check_command_line(program, root, out)
        check_material_commands(program, root, out)
        check_pdf(program, root, out, students, problems)
        for made in os.listdir(out):
            os.remove(out / made)
        check_xlsx(program, root, out, students, problems, lectures)
        check_csv(program, root, out, students, problems)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
