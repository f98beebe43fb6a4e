// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/CardDesignDialog.h"
#include "widgets/PaintBox.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/ui/Panel.h"
#include "platform/Prompts.h"
#include "settings/DataFolders.h"
#include "settings/DesignFile.h"
#include "settings/DialogFolders.h"
#include "platform/ui/ScreenFit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A small square of the colour, framed in the button's text colour (so "none", crossed, reads
// on the button's ground in any palette), for a colour's button.
QIcon Swatch(const QColor& colour, const QColor& frame)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(frame);
    if (colour.isValid())
        painter.setBrush(colour);
    painter.drawRect(0, 0, 15, 15);
    if (!colour.isValid())
        painter.drawLine(0, 15, 15, 0); // none chosen: the plain card's
    return QIcon(pixmap);
}

} // namespace

CardDesignDialog::CardDesignDialog(QWidget* owner, Prompts& asks, const CardDesign& design, SamplePainter paint,
                                   std::shared_ptr<const PictureShelf> pictures)
    : QDialog(owner), Asks(asks), Paint(std::move(paint))
{
    setWindowTitle(tr("Card Design"));
    Chosen = ReadLook(design, &LogoProblem);
    Chosen.Pictures = std::move(pictures);

    EdtTitle = new QLineEdit(design.Title, this);
    EdtTitle->setMaxLength(200);
    EdtFooter = new QLineEdit(design.Footer, this);
    EdtFooter->setMaxLength(200);
    auto* form = new QFormLayout;
    form->addRow(tr("&Title above the card:"), EdtTitle);
    form->addRow(tr("F&ooter under the card:"), EdtFooter);

    const struct {
        QColor CardDesign::*Colour;
        const char* Text;
        const char* Title;
    } parts[] = {
        {&CardDesign::Grid, QT_TR_NOOP("&Grid Lines"), QT_TR_NOOP("Colour of the Grid Lines")},
        {&CardDesign::Band, QT_TR_NOOP("Heading &Band"), QT_TR_NOOP("Colour of the Heading Band")},
        {&CardDesign::BandText, QT_TR_NOOP("Heading L&etters"), QT_TR_NOOP("Colour of the Heading Letters")},
        {&CardDesign::Text, QT_TR_NOOP("&Words"), QT_TR_NOOP("Colour of the Words")},
        {&CardDesign::FreeSpace, QT_TR_NOOP("&Free Space"), QT_TR_NOOP("Colour of the Free Space")},
        {&CardDesign::Tint, QT_TR_NOOP("T&int"), QT_TR_NOOP("Colour of the Tint")},
    };
    auto* colours = new QGridLayout;
    int index = 0;
    for (const auto& part : parts) {
        auto* button = new QPushButton(tr(part.Text), this);
        Colours.push_back({part.Colour, button, tr(part.Title)});
        colours->addWidget(button, index / 3, index % 3);
        ++index;
    }
    BtnPlainColours = new QPushButton(tr("&Plain Colours"), this);
    colours->addWidget(BtnPlainColours, 2, 0);
    auto* coloursLabel = new QLabel(tr("Colours:"), this);
    form->addRow(coloursLabel, colours);

    EdtLogo = new QLineEdit(this);
    EdtLogo->setReadOnly(true);
    EdtLogo->setAccessibleName(tr("Logo in the free space"));
    BtnLogo = new QPushButton(tr("Choose &Logo..."), this);
    BtnRemoveLogo = new QPushButton(tr("&Remove Logo"), this);
    auto* logo = new QHBoxLayout;
    logo->addWidget(EdtLogo, 1);
    logo->addWidget(BtnLogo);
    logo->addWidget(BtnRemoveLogo);
    form->addRow(tr("Logo in the free space:"), logo);

    LblWarnings = new QLabel(this);
    LblWarnings->setWordWrap(true);
    LblWarnings->setTextFormat(Qt::PlainText);
    Sample = new PaintBox(this, [this](Surface& surface) { Paint(surface, Sample->width(), Sample->height(), Chosen); });
    Sample->setMinimumSize(360, 300);
    Sample->setFocusPolicy(Qt::NoFocus); // the main window's card is the one read out
    Sample->setAccessibleName(tr("Sample card"));
    ChkDefault = new QCheckBox(tr("Use for &new lists too"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addLayout(form);
    layout->addWidget(LblWarnings);
    layout->addWidget(Sample, 1);
    layout->addWidget(ChkDefault);
    layout->addWidget(buttons);

    connect(EdtTitle, &QLineEdit::textChanged, this, [this](const QString& text) {
        Chosen.Design.Title = text;
        Changed();
    });
    connect(EdtFooter, &QLineEdit::textChanged, this, [this](const QString& text) {
        Chosen.Design.Footer = text;
        Changed();
    });
    for (const ColourButton& button : Colours)
        connect(button.Button, &QPushButton::clicked, this, [this, button] { ChooseColour(button); });
    connect(BtnPlainColours, &QPushButton::clicked, this, [this] {
        for (const ColourButton& button : Colours)
            Chosen.Design.*button.Colour = QColor();
        Changed();
    });
    connect(BtnLogo, &QPushButton::clicked, this, &CardDesignDialog::ChooseLogo);
    connect(BtnRemoveLogo, &QPushButton::clicked, this, [this] {
        Chosen.Design.Logo.clear();
        Chosen.Logo = {};
        LogoProblem.clear();
        Changed();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CardDesignDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CardDesignDialog::reject);
    UseWindowColours(this);
    Changed();
}

void CardDesignDialog::Changed()
{
    for (const ColourButton& button : Colours) {
        const QColor colour = Chosen.Design.*button.Colour;
        button.Button->setIcon(Swatch(colour, button.Button->palette().color(QPalette::ButtonText)));
        // Said with the button's name: which colour it is now.
        button.Button->setAccessibleDescription(colour.isValid() ? colour.name() : tr("as on a plain card"));
    }
    EdtLogo->setText(QFileInfo(Chosen.Design.Logo).fileName());
    BtnRemoveLogo->setEnabled(!Chosen.Design.Logo.isEmpty());
    const QString warnings = Warnings();
    LblWarnings->setText(warnings);
    LblWarnings->setAccessibleName(warnings);
    LblWarnings->setVisible(!warnings.isEmpty());
    Sample->update();
}

QString CardDesignDialog::Warnings() const
{
    QStringList lines;
    if (!LogoProblem.isEmpty())
        lines << LogoProblem;
    // A picture smaller than the free space on paper is drawn no larger than twice its size.
    if (!Chosen.Logo.IsNull() && std::min(Chosen.Logo.Image.width(), Chosen.Logo.Image.height()) < 150)
        lines << tr("The logo is small (%1 x %2 pixels): it is drawn at most twice that size, so it may not fill the "
                    "free space on paper.")
                     .arg(Chosen.Logo.Image.width())
                     .arg(Chosen.Logo.Image.height());
    for (const LowContrast& low : LowContrasts(Chosen.Design)) {
        const char* said = low.What == LowContrast::Words
                               ? QT_TR_NOOP("The words are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.")
                           : low.What == LowContrast::Heading
                               ? QT_TR_NOOP("The heading letters are hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.")
                           : low.What == LowContrast::FreeSpace
                               ? QT_TR_NOOP("The free space's text is hard to read: %1 on %2 has a contrast of %3:1, under 4.5:1.")
                               : QT_TR_NOOP("The title and the footer are hard to read: %1 on %2 has a contrast of %3:1, "
                                            "under 4.5:1.");
        lines << tr(said).arg(low.Ink.name(), low.Ground.name(), QLocale().toString(low.Ratio, 'f', 1));
    }
    return lines.join(u'\n');
}

void CardDesignDialog::ChooseColour(const ColourButton& button)
{
    const QColor before = Chosen.Design.*button.Colour;
    if (const std::optional<QColor> colour = Asks.ChooseColour(button.Title, before)) {
        Chosen.Design.*button.Colour = *colour;
        Changed();
    }
    button.Button->setFocus(Qt::OtherFocusReason); // back where the host was, chosen or not
}

void CardDesignDialog::ChooseLogo()
{
    const FileDialogSpec request{tr("Choose a Logo"), tr("Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg|All Files (*.*)|*.*"),
                              QString(), Chosen.Design.Logo, DialogFolders::ListFolder()};
    const std::optional<QString> path = Asks.OpenFileName(request);
    if (!path)
        return;
    try {
        Chosen.Logo = ReadPicture(*path);
        Chosen.Design.Logo = *path;
        LogoProblem.clear();
    } catch (const PlatformError& error) {
        Asks.Error(tr("The picture can't be used as a logo:\n%1").arg(error.Text()));
    }
    Changed();
}

void CardDesignDialog::accept()
{
    if (ChkDefault->isChecked()) {
        try {
            ProfileFile settings(SettingsFilePath());
            DesignFile::Write(settings, Chosen.Design);
        } catch (const PlatformError& error) {
            Asks.Error(error.Text());
            return;
        }
    }
    QDialog::accept();
}
