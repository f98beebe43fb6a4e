// Printing cards and the call list.
#include "app/JobProgressDialog.h"
#include "app/UnitMain.h"
#include "card/CardPrinting.h"
#include "card/PrintJob.h"
#include "platform/IntegerConversion.h"
#include "platform/Prompts.h"

#include <QComboBox>
#include <QSpinBox>

bool TFrmMain::CheckWordCount()
{
    const int needed = WordsNeeded(Options());
    if (WordList.Count() >= needed)
        return true;
    Env.Asks.Information(TooFewWordsMessage(needed));
    return false;
}

void TFrmMain::MnuFilePrintClick()
{
    if (!CheckWordCount())
        return;
    PreparePrinter(Env.PrinterList, CboPrinters->currentIndex(), CardFontName, CardFontSize);
    CardJob job;
    job.Options = Options();
    job.Cards = StrToInt(EdtCardNum->text());
    job.PerPage = StrToInt(CboCardsPerPage->currentText());
    JobProgressDialog progress(this, QStringLiteral("card"));
    RunCardJob(Env.PrinterList, job, [this] { ArrangeCard(); }, CardCells,
               [&progress](int done, int total) { return progress.Step(done, total); });
}

void TFrmMain::MnuFilePrintListClick()
{
    if (!CheckWordCount())
        return;
    PreparePrinter(Env.PrinterList, CboPrinters->currentIndex(), CardFontName, CardFontSize);
    JobProgressDialog progress(this, QStringLiteral("word"));
    RunCallListJob(Env.PrinterList, WordList.Items(),
                   [&progress](int done, int total) { return progress.Step(done, total); });
}
