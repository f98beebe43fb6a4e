// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/UnitFrmFont.h"
#include "platform/ui/Guarded.h"
#include "platform/ui/FormScale.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpokenValue.h"
#include "dialogs/FontCatalog.h"
#include "platform/IntegerConversion.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"
#include "platform/Surface.h"
#include "settings/CardSettings.h"
#include "settings/DataFolders.h"
#include "platform/ui/ScreenFit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace {

QIcon KindIcon(FontKind kind)
{
    QPixmap pixmap(14, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    if (kind == FontKind::TrueType) {
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(0, 0, 9, 12), Qt::AlignCenter, QStringLiteral("T"));
        p.setPen(QColor(130, 130, 130));
        p.drawText(QRect(4, 1, 10, 12), Qt::AlignCenter, QStringLiteral("T"));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 110, 170));
        p.drawRect(2, 3, 10, 7);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 6, 3);
    }
    return QIcon(pixmap);
}

QLabel* Label(QWidget* parent, int left, int top, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    FormScale::FitLabel(label);
    return label;
}

} // namespace

template <class Handler>
void TFrmFonts::Guard(Handler&& handler)
{
    RunGuarded(Asks, std::forward<Handler>(handler));
}

TFrmFonts::TFrmFonts(QWidget* owner, Prompts& asks) : QDialog(owner), Asks(asks)
{
    setWindowTitle(tr("Font Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The form's positions less the title band; OK and Cancel keep a margin below them.
    const int band = DialogTitleBand;
    setFixedSize(222, 152 + 27 + 8 - band);

    auto* group = new QGroupBox(tr("Fonts"), this);
    group->setGeometry(16, 40 - band, 201, 105);
    UseClassicGroupBox(group);
    QLabel* nameLabel = Label(group, 8, 16, tr("Name: "));
    CboFontName = new QComboBox(group);
    CboFontName->setGeometry(45, 14, 145, 21);
    QLabel* sizeLabel = Label(group, 12, 44, tr("Size: "));
    CboFontSize = new QComboBox(group);
    CboFontSize->setGeometry(46, 40, 145, 21);
    LblFont = new QLabel(tr("Font Test"), group);
    LblFont->setGeometry(8, 69, 185, 28);
    LblFont->setAlignment(Qt::AlignCenter);
    QFont preview = LblFont->font();
    preview.setPointSize(8);
    LblFont->setFont(preview);
    BtnOK = new QPushButton(tr("OK"), this);
    BtnOK->setGeometry(24, 152 - band, 80, 27);
    BtnCancel = new QPushButton(tr("Cancel"), this);
    BtnCancel->setGeometry(128, 152 - band, 80, 27);

    nameLabel->setBuddy(CboFontName);
    sizeLabel->setBuddy(CboFontSize);
    CboFontName->setAccessibleName(tr("Font name"));
    CboFontSize->setAccessibleName(tr("Font size"));

    setTabOrder(BtnCancel, CboFontName);
    setTabOrder(CboFontName, CboFontSize);
    setTabOrder(CboFontSize, BtnOK);

    connect(CboFontName, &QComboBox::activated, this, [this] { Guard([this] { CboFontNameChange(); }); });
    connect(CboFontSize, &QComboBox::activated, this, [this] { Guard([this] { CboFontSizeChange(); }); });
    connect(BtnOK, &QPushButton::clicked, this, [this] { Guard([this] { BtnOKClick(); }); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    // Fonts installed or removed while the dialog is open show at once.
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, [this] { FillNames(); });

    FillNames();
    Guard([this] { FormCreate(); });
    // Each box says its value to a screen reader, and the dialog opens on the name.
    SpeakValue(CboFontName);
    SpeakValue(CboFontSize);
    CboFontName->setFocus();
    UseWindowColours(this);
    FormScale::Apply(this);
    FormScale::FitTexts(this);
    FormScale::FitScreen(this);
    ScreenFit::Install(this, true, false); // scrolls already where it must
}

void TFrmFonts::FillNames()
{
    const QString selected = CboFontName->currentText();
    CboFontName->clear();
    for (const FontFamily& family : InstalledFamilies())
        CboFontName->addItem(KindIcon(family.Kind), family.Name);
    CboFontName->setCurrentIndex(selected.isEmpty() ? -1 : CboFontName->findText(selected, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TFrmFonts::SetPreviewSize(const QString& text)
{
    const int points = StrToInt(text);
    QFont font = LblFont->font();
    font.setPointSize(std::clamp(points, 1, MaxFontPoints));
    LblFont->setFont(font);
}

void TFrmFonts::FormCreate()
{
    const ProfileFile settings(SettingsFilePath());
    const QString storedName = settings.ReadString(CardSettings::Section, QStringLiteral("FountName"), QStringLiteral("Arial"));
    int at = CboFontName->findText(storedName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at < 0)
        at = CboFontName->findText(QStringLiteral("Arial"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    CboFontName->setCurrentIndex(at);

    QStringList sizes = FontSizesFor(QStringLiteral("Arial"));
    if (sizes.isEmpty())
        sizes = ScalableSizes; // no Arial at all: still offer the usual sizes
    CboFontSize->addItems(sizes);
    const QString storedSize = settings.ReadString(CardSettings::Section, QStringLiteral("FontSize"), QStringLiteral("20"));
    CboFontSize->setCurrentIndex(CboFontSize->findText(storedSize, Qt::MatchExactly | Qt::MatchCaseSensitive));

    QFont font = LblFont->font();
    font.setFamily(CboFontName->currentText());
    LblFont->setFont(font);
    SetPreviewSize(storedSize);
}

void TFrmFonts::CboFontNameChange()
{
    QFont font = LblFont->font();
    font.setFamily(CboFontName->currentText());
    LblFont->setFont(font);
    SetPreviewSize(CboFontSize->currentText());
}

void TFrmFonts::CboFontSizeChange()
{
    SetPreviewSize(CboFontSize->currentText());
}

void TFrmFonts::BtnOKClick()
{
    ProfileFile settings(SettingsFilePath());
    settings.WriteStrings(CardSettings::Section, {{QStringLiteral("FountName"), CboFontName->currentText()},
                                                  {QStringLiteral("FontSize"), CboFontSize->currentText()}});
    accept();
}

void TFrmFonts::BtnCancelClick()
{
    reject();
}
