// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The 教材を印刷 menu and its dialog, headless: the choices it offers, and
// the preview, the printer and the PDF file each given what was chosen.

#include "fake_teacher_dialogs.h"
#include "pdf_tools.h"

#include "teacher_window.h"
#include "teaching_material_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

template <typename Control>
Control *control(const QWidget &dialog, const QString &name)
{
    auto *found = dialog.findChild<Control *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void click(const QWidget &dialog, const QString &button)
{
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class TeachingMaterialDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (const QString missing = pdf_tools::missingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing + u" (poppler-utils) not installed"_s));
        out_.emplace();
        QVERIFY(out_->isValid());
        dialogs_ = FakeTeacherDialogs();
    }

    void theMenuOffersBothWithoutAFolder()
    {
        TeacherWindow window(dialogs_);
        QMenu *menu = window.menuBar()->findChild<QMenu *>(u"materialMenu"_s);
        QVERIFY(menu);
        QCOMPARE(menu->title(), u"教材を印刷"_s);
        QStringList shown;
        for (const QAction *action : menu->actions())
            shown << action->objectName() + (action->isEnabled() ? u" on"_s : u" off"_s);
        QCOMPARE(shown, (QStringList{u"lectureHandoutAction on"_s, u"worksheetAction on"_s}));
    }

    void offersWhatBelongsToTheChoice()
    {
        TeachingMaterialDialog dialog(dialogs_, TeachingMaterialDialog::Worksheet);
        auto *material = control<QComboBox>(dialog, u"materialChoice"_s);
        QCOMPARE(material->count(), 11); // ten lectures and the worksheet
        QVERIFY(material->currentText().startsWith(u"問題プリント"_s));
        QVERIFY(control<QComboBox>(dialog, u"layoutChoice"_s)->isEnabled());
        QVERIFY(control<QComboBox>(dialog, u"stageChoice"_s)->isEnabled());
        QVERIFY(!control<QCheckBox>(dialog, u"speechCheck"_s)->isEnabled());
        material->setCurrentIndex(6);
        QVERIFY(material->currentText().startsWith(u"第7講"_s));
        QVERIFY(!control<QComboBox>(dialog, u"layoutChoice"_s)->isEnabled());
        QVERIFY(control<QCheckBox>(dialog, u"speechCheck"_s)->isEnabled());
    }

    // Each output gets what is chosen when its button is pressed.
    void previewsPrintsAndSavesWhatIsChosen()
    {
        TeachingMaterialDialog dialog(dialogs_, TeachingMaterialDialog::Lecture);
        control<QComboBox>(dialog, u"materialChoice"_s)->setCurrentIndex(3);
        dialogs_.fileToWrite = out_->filePath(u"handout"_s);
        click(dialog, u"savePdfButton"_s);
        dialogs_.previewPdf = out_->filePath(u"preview.pdf"_s);
        click(dialog, u"previewButton"_s);

        control<QComboBox>(dialog, u"materialChoice"_s)->setCurrentIndex(10);
        control<QComboBox>(dialog, u"layoutChoice"_s)->setCurrentIndex(2);
        control<QComboBox>(dialog, u"stageChoice"_s)->setCurrentIndex(2);
        dialogs_.printedPdf = out_->filePath(u"printed.pdf"_s);
        click(dialog, u"printButton"_s);

        QVERIFY(dialogs_.told.isEmpty());
        for (const QString &lecture : {u"handout.pdf"_s, u"preview.pdf"_s}) {
            const QString text = pdf_tools::withoutSpaces(pdf_tools::text(out_->filePath(lecture)));
            QVERIFY2(text.startsWith(u"第4講"_s), qPrintable(lecture + u": "_s + text.left(30)));
        }
        const QString worksheet = pdf_tools::withoutSpaces(pdf_tools::text(out_->filePath(u"printed.pdf"_s)));
        QVERIFY2(worksheet.startsWith(u"問題プリントパターン3ステージ２"_s), qPrintable(worksheet.left(40)));
        QVERIFY(worksheet.contains(u"【問題16】"_s) && !worksheet.contains(u"【問題15】"_s));
    }

private:
    std::optional<QTemporaryDir> out_;
    FakeTeacherDialogs dialogs_;
};

QTEST_MAIN(TeachingMaterialDialogTest)
#include "tst_teaching_material_dialog.moc"
