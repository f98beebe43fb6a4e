// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The Samples menu, the font dialog and the help entries.
#include "app/UnitMain.h"
#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "settings/CardSettings.h"
#include "platform/Paths.h"
#include "settings/DataFolders.h"
#include "settings/SampleFolder.h"
#include "words/WordListFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSet>

namespace {

// A folder reached again through a link is not walked a second time, so a link that
// points back up the tree can't make the menu endless.
void AddSampleEntries(TFrmMain& window, const QString& folder, QMenu* parent, QSet<QString>& walked, int depth)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (depth > 32 || canonical.isEmpty() || walked.contains(canonical))
        return;
    walked.insert(canonical);
    const SampleFolderEntries entries = ListSampleFolder(folder);
    QStringList names = entries.Folders;
    for (const QString& name : entries.Lists)
        names << SampleCaption(name);
    const QStringList captions = MenuCaptionsWithMnemonics(names);
    qsizetype next = 0;
    for (const QString& name : entries.Folders) {
        QMenu* sub = parent->addMenu(captions[next++]);
        AddSampleEntries(window, JoinPath(folder, name + u'/'), sub, walked, depth + 1);
    }
    for (const QString& name : entries.Lists) {
        const QString path = JoinPath(folder, name);
        QAction* entry = parent->addAction(captions[next++]);
        QObject::connect(entry, &QAction::triggered, &window,
                         [&window, path] { window.Guard([&window, path] { window.LoadSampleList(path); }); });
    }
}

} // namespace

void TFrmMain::BuildSampleMenu(const QString& folder, QMenu* parent)
{
    QSet<QString> walked;
    AddSampleEntries(*this, folder, parent, walked, 0);
}

void TFrmMain::LoadSampleList(const QString& path)
{
    if (!SavePrompt())
        return;
    const bool modified = ListModified;
    ListModified = false;
    if (!QFileInfo(path).isFile()) {
        EmptyList();
        Env.Asks.Information(tr("The sample bingo card doesn't exist, please re-install the software and try it again."));
        return;
    }
    ReplaceList(path, modified);
}

void TFrmMain::MnuFontClick()
{
    {
        TFrmFonts dialog(this, Env.Asks);
        dialog.exec();
    }
    const CardSettings::CardFont font = CardSettings::ReadFont(ProfileFile(SettingsFilePath()));
    CardFontName = font.Name;
    CardFontSize = font.Size;
    Redraw();
}

void TFrmMain::MnuHelpFileClick()
{
    Env.Desktop.Open(QUrl::fromLocalFile(HelpFilePath(QCoreApplication::applicationDirPath())));
}

void TFrmMain::MnuHomepageClick()
{
    Env.Desktop.Open(QUrl(TFrmAbout::Homepage));
}

void TFrmMain::MnuAboutClick()
{
    TFrmAbout about(this, Env.Desktop, Env.Asks);
    about.exec();
}
