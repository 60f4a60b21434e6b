// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teaching_material.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace piyota::teacher {

class TeacherDialogs;

// The 教材を印刷 dialog: the teacher chooses a lecture (with or without the
// math doctor's lines) or the problem worksheet (its answer layout and
// stage), then previews it, prints it or saves it as PDF, as often as
// wanted before closing.
class TeachingMaterialDialog final : public QDialog {
    Q_OBJECT
public:
    enum Choice { Lecture, Worksheet };

    TeachingMaterialDialog(TeacherDialogs &dialogs, Choice choice, QWidget *parent = nullptr);

    // The material as chosen, made now.
    TeachingMaterial chosenMaterial() const;

private Q_SLOTS:
    void onMaterialChanged();
    void onPreviewClicked();
    void onPrintClicked();
    void onSavePdfClicked();

private:
    bool worksheetChosen() const;
    QString fileName() const;

    TeacherDialogs &dialogs_;
    QComboBox *materialChoice_ = nullptr;
    QCheckBox *speechCheck_ = nullptr;
    QComboBox *layoutChoice_ = nullptr;
    QComboBox *stageChoice_ = nullptr;
};

} // namespace piyota::teacher
