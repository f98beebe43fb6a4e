// Exporting cards, one file each, for players who are not in the room.
#include "app/ExportDialog.h"
#include "app/JobProgressDialog.h"
#include "app/UnitMain.h"
#include "card/CardExport.h"
#include "game/NumberedGame.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "platform/QtPrinters.h"
#include "settings/DataFolders.h"
#include "settings/DialogFolders.h"
#include "settings/GameHistory.h"
#include "settings/PaperSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QSpinBox>
#include <algorithm>
#include <memory>

void TFrmMain::MnuFileExportClick()
{
    if (!CheckWordCount())
        return;
    ExportDialog dialog(this, Env.Asks, DialogFolders::ListFolder(), EdtCardNum->value());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportJob job;
    job.Card.Options = Options();
    job.Card.Cards = dialog.Cards();
    job.Card.SameTextSize = MnuSameTextSize->isChecked();
    if (job.Card.SameTextSize)
        job.Card.AllWords = WordList.Items();
    job.FontName = CardFontName;
    job.FontSize = CardFontSize;
    job.Paper = QtPrinters::PdfPaperNamed(PaperSettings::Stored(PdfPrinterName))
                    .value_or(QPageSize(QtPrinters::LocalePaper()));
    job.Folder = dialog.Folder();
    job.Format = dialog.Pdf() ? ExportFormat::Pdf : ExportFormat::Png;

    const QStringList words = WordList.Items();
    std::shared_ptr<NumberedGame> game;
    if (MnuNumberCards->isChecked()) {
        game = std::make_shared<NumberedGame>(words, job.Card.Options, NewGameSeed());
        QString error;
        if (!game->Plan(job.Card.Cards, error)) {
            Env.Asks.Information(error);
            return;
        }
        job.Card.GameCode = game->Code().Text();
        job.Cells = [game](int n) { return game->Card(n); };
    } else {
        job.Cells = ArrangedCells(words, job.Card.Options);
    }
    const QStringList existing = ExistingExportFiles(job);
    if (!existing.isEmpty()) {
        QString question = QStringLiteral("%1 of these files are already in %2 (%3 ...). Replace them?")
                               .arg(existing.size())
                               .arg(job.Folder, existing.front());
        const auto links = std::count_if(existing.cbegin(), existing.cend(), [&](const QString& name) {
            return QFileInfo(JoinPath(job.Folder, name)).isSymLink();
        });
        if (links > 0)
            question += QStringLiteral(" %1 of them are links: each link is replaced by its card, and the file it "
                                       "leads to is left as it is.")
                            .arg(links);
        if (!Env.Asks.Question(question, false))
            return;
    }
    JobProgressDialog progress(this, QStringLiteral("card"));
    const int written = ExportCards(job, [&progress](int done, int total) { return progress.Step(done, total); });
    const QString note = game ? GameHistory::Add({job.Card.GameCode, CurrentFileName, job.Card.Options, written}) : QString();
    if (written == job.Card.Cards)
        Env.Asks.Information(QStringLiteral("%1 cards were exported to %2.").arg(written).arg(job.Folder));
    else
        Env.Asks.Information(QStringLiteral("Export cancelled: %1 of %2 cards were written to %3.")
                                 .arg(written)
                                 .arg(job.Card.Cards)
                                 .arg(job.Folder));
    if (!note.isEmpty())
        Env.Asks.Error(note);
}
