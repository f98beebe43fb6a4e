// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The card's design: its window, and the design that goes with each list.
#include "dialogs/CardDesignDialog.h"
#include "app/UnitMain.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"
#include "settings/DataFolders.h"
#include "settings/DesignFile.h"

void TFrmMain::MnuCardDesignClick()
{
    CardDesignDialog dialog(this, Env.Asks, Look.Design, [this](Surface& surface, int width, int height, const DesignedLook& look) {
        PaintCard(surface, width, height, &look);
    }, Look.Pictures);
    if (dialog.exec() != QDialog::Accepted || dialog.Look().Design == Look.Design)
        return;
    Look = dialog.Look();
    ListModified = true; // the design is saved with the list
    Redraw();
}

void TFrmMain::UseDesign(const CardDesign& design)
{
    const QString problem = Doc.UseDesign(design);
    Redraw();
    if (!problem.isEmpty())
        Env.Asks.Error(problem);
}

void TFrmMain::UseListDesign(const QString& path)
{
    const QString problem = Doc.UseListDesign(path);
    Redraw();
    if (!problem.isEmpty())
        Env.Asks.Error(problem);
}

void TFrmMain::UseDefaultDesign()
{
    UseDesign(DesignFile::Read(ProfileFile(SettingsFilePath())));
}
