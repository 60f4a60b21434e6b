// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teaching_material_dialog.h"

#include "lecture_figures.h"
#include "lecture_handout.h"
#include "page_output.h"
#include "problem_worksheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace piyota::teacher {

namespace {

QComboBox *comboBox(const QString &objectName, const QString &accessibleName, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    box->addItems(items);
    return box;
}

QString lectureName(int lecture)
{
    return QStringLiteral("第%1講　%2").arg(lecture).arg(lectureTopic(lecture));
}

} // namespace

TeachingMaterialDialog::TeachingMaterialDialog(TeacherDialogs &dialogs, Choice choice, QWidget *parent)
    : QDialog(parent)
    , dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("教材を印刷"));
    QStringList materials;
    for (int lecture = 1; lecture <= lectureCount(); ++lecture)
        materials << lectureName(lecture);
    materials << QStringLiteral("問題プリント（最後のページに解答）");
    materialChoice_ = comboBox(QStringLiteral("materialChoice"), QStringLiteral("教材"), materials);
    materialChoice_->setCurrentIndex(choice == Worksheet ? lectureCount() : 0);
    speechCheck_ = new QCheckBox(QStringLiteral("数学博士のせりふも印刷する"));
    speechCheck_->setObjectName(QStringLiteral("speechCheck"));
    speechCheck_->setAccessibleName(speechCheck_->text());
    QStringList layouts;
    for (int layout = 1; layout <= content::kLayoutCount; ++layout)
        layouts << QStringLiteral("パターン%1").arg(layout);
    layoutChoice_ = comboBox(QStringLiteral("layoutChoice"), QStringLiteral("解答群"), layouts);
    stageChoice_ = comboBox(QStringLiteral("stageChoice"), QStringLiteral("問題"),
                            {QStringLiteral("全%1問").arg(content::kLastProblem),
                             QStringLiteral("ステージ１（問題%1〜%2）").arg(content::kFirstProblem).arg(kLastStage1Problem),
                             QStringLiteral("ステージ２（問題%1〜%2）").arg(kLastStage1Problem + 1).arg(content::kLastProblem)});

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("教材"), materialChoice_);
    form->addRow(QString(), speechCheck_);
    form->addRow(QStringLiteral("解答群"), layoutChoice_);
    form->addRow(QStringLiteral("問題"), stageChoice_);

    auto *buttons = new QDialogButtonBox;
    const auto addButton = [buttons, this](const QString &text, const QString &objectName,
                                           void (TeachingMaterialDialog::*onClicked)()) {
        QPushButton *button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(objectName);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, onClicked);
    };
    addButton(QStringLiteral("プレビュー"), QStringLiteral("previewButton"), &TeachingMaterialDialog::onPreviewClicked);
    addButton(QStringLiteral("印刷"), QStringLiteral("printButton"), &TeachingMaterialDialog::onPrintClicked);
    addButton(QStringLiteral("PDF に保存"), QStringLiteral("savePdfButton"), &TeachingMaterialDialog::onSavePdfClicked);
    buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(materialChoice_, &QComboBox::currentIndexChanged, this, &TeachingMaterialDialog::onMaterialChanged);
    onMaterialChanged();
}

bool TeachingMaterialDialog::worksheetChosen() const
{
    return materialChoice_->currentIndex() == lectureCount();
}

TeachingMaterial TeachingMaterialDialog::chosenMaterial() const
{
    const QDateTime now = QDateTime::currentDateTime();
    if (!worksheetChosen())
        return lectureHandout(materialChoice_->currentIndex() + 1, speechCheck_->isChecked(), now);
    const std::optional<Stage> stages[] = {std::nullopt, Stage::First, Stage::Second};
    return problemWorksheet(layoutChoice_->currentIndex() + 1, stages[stageChoice_->currentIndex()], now);
}

// A lecture's handout named after the lecture, a worksheet after its layout and stage.
QString TeachingMaterialDialog::fileName() const
{
    if (!worksheetChosen())
        return QStringLiteral("第%1講.pdf").arg(materialChoice_->currentIndex() + 1);
    const QString stage = stageChoice_->currentIndex() == 0 ? QString()
                                                             : QStringLiteral("_ステージ%1").arg(stageChoice_->currentIndex());
    return QStringLiteral("問題プリント_パターン%1%2.pdf").arg(layoutChoice_->currentIndex() + 1).arg(stage);
}

void TeachingMaterialDialog::onMaterialChanged()
{
    speechCheck_->setEnabled(!worksheetChosen());
    layoutChoice_->setEnabled(worksheetChosen());
    stageChoice_->setEnabled(worksheetChosen());
}

void TeachingMaterialDialog::onPreviewClicked()
{
    const TeachingMaterial material = chosenMaterial();
    previewPages(dialogs_, this, [&material](QPagedPaintDevice &shown) {
        return printDocument(shown, material.frame, material.blocks);
    });
}

void TeachingMaterialDialog::onPrintClicked()
{
    const TeachingMaterial material = chosenMaterial();
    printPages(dialogs_, this, material.frame.title, [&material](QPagedPaintDevice &printer) {
        return printDocument(printer, material.frame, material.blocks);
    });
}

void TeachingMaterialDialog::onSavePdfClicked()
{
    writeChosenFile(dialogs_, this, QStringLiteral("PDF に保存"), suggestedDocumentPath(fileName()),
                    QStringLiteral(".pdf"), [this] {
                        const TeachingMaterial material = chosenMaterial();
                        return std::optional(pdfOf(material.frame, material.blocks));
                    });
}

} // namespace piyota::teacher
