// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/UnitFrmAbout.h"
#include "platform/ui/Guarded.h"
#include "platform/ui/FormScale.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ToolIcons.h"
#include "platform/Shell.h"
#include "platform/ui/ScreenFit.h"

#include <QEvent>
#include <QLabel>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QLabel* CentredLabel(QWidget* parent, const QString& text, int left, int top, int width, int height, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(wrap);
    return label;
}

} // namespace

TFrmAbout::TFrmAbout(QWidget* owner, Shell& desktop, Prompts& asks) : QDialog(owner), Desktop(desktop), Asks(asks)
{
    setWindowTitle(tr("About Plumwick"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The form's positions less the title band; OK keeps a margin below it.
    const int band = DialogTitleBand;
    setFixedSize(286, 200 + 27 + 8 - band);
    QFont font = this->font();
    font.setPixelSize(FormScale::Px(13)); // 10 points at 96 dpi, grown with the desktop's font
    setFont(font);

    Image1 = new QLabel(this);
    Image1->setGeometry(8, 32 - band, 48, 48);
    Image1->setPixmap(MakeProgramPicture(FormScale::Px(48)));
    Image1->setAccessibleName(tr("Plumwick's icon: a bingo card"));
    Label1 = CentredLabel(this, QStringLiteral("Plumwick V" PLUMWICK_VERSION_SHORT), 56, 32 - band, 185, 17, true);
    Label2 = CentredLabel(this, tr("\u00a9 2026 The Plumwick developers."), 40, 50 - band, 286 - 40, 23, false);
    Label3 = CentredLabel(this, tr("Free software: GNU GPL 3 or later."), 40, 72 - band, 286 - 40, 20, true);
    Label1->setAccessibleName(tr("Plumwick version %1").arg(QStringLiteral(PLUMWICK_VERSION)));
    // The links are links: Tab reaches them and Enter opens them, as a click does.
    auto link = [&](const QString& caption, const QString& target, int left, int top, int width) {
        QLabel* label = CentredLabel(this, QString(), left, top, width, 25, false);
        label->setTextFormat(Qt::RichText);
        // In the window's text colour: black on the light panel, light in a dark theme.
        label->setText(QStringLiteral("<a href=\"%1\" style=\"color: %3; text-decoration: none\">%2</a>")
                           .arg(target.toHtmlEscaped(), (caption + target).toHtmlEscaped(),
                                IsDarkPalette(palette()) ? palette().color(QPalette::WindowText).name() : QStringLiteral("black")));
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setAccessibleName(caption + target);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        return label;
    };
    LblWebsite = link(tr("Website: "), Homepage, 16, 152 - band, 249);
    LblEmail = link(tr("Support Email: "), SupportEmail, 8, 176 - band, 257);
    connect(LblWebsite, &QLabel::linkActivated, this, [this] { RunGuarded(Asks, [this] { LblWebsiteClick(); }); });
    connect(LblEmail, &QLabel::linkActivated, this, [this] { RunGuarded(Asks, [this] { LblEmailClick(); }); });
    BtnOk = new QPushButton(tr("OK"), this);
    BtnOk->setGeometry(112, 200 - band, 80, 27);
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmAbout::BtnOkClick);
    // The box opens on OK, so that Enter closes it; the links come after it with Tab.
    setTabOrder(BtnOk, LblWebsite);
    setTabOrder(LblWebsite, LblEmail);
    BtnOk->setFocus();
    UseWindowColours(this);
    FormScale::Apply(this);
    FormScale::FitTexts(this);
    FormScale::FitScreen(this);
    ScreenFit::Install(this, true, false); // scrolls already where it must
}

bool TFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    // Enter or Space on a link that has the focus opens it, whatever the label's own
    // handling of keys does on this platform.
    if (event->type() == QEvent::KeyPress && (watched == LblWebsite || watched == LblEmail)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            RunGuarded(Asks, [this, watched] { watched == LblWebsite ? LblWebsiteClick() : LblEmailClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmAbout::LblWebsiteClick()
{
    Desktop.Open(QUrl(Homepage));
}

void TFrmAbout::LblEmailClick()
{
    Desktop.Open(QUrl(QStringLiteral("mailto:") + SupportEmail));
}

void TFrmAbout::BtnOkClick()
{
    accept();
}
