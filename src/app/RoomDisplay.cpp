// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/RoomDisplay.h"
#include "widgets/PictureView.h"
#include "widgets/CallerBoard.h"
#include "widgets/PatternPicture.h"
#include "platform/ui/FitText.h"
#include "platform/ui/Panel.h"
#include "share/QrCode.h"
#include "words/Bidi.h"
#include "platform/ui/ScreenFit.h"
#include "platform/ui/WindowAccessible.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

RoomDisplay::RoomDisplay(QWidget* caller) : QWidget(caller, Qt::Window)
{
    setWindowTitle(tr("Room Display"));
    ExposeAsWindow("RoomDisplay"); // a named window to a screen reader, not a filler
    // Never the focus: the host's keys stay with the caller, whatever the window manager does.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    resize(960, 640);
    LblNews = new QLabel(this);
    LblNews->setAlignment(Qt::AlignCenter);
    LblNews->setWordWrap(true);
    LblNews->setAutoFillBackground(true);
    LblNews->setBackgroundRole(QPalette::Highlight);
    LblNews->setForegroundRole(QPalette::HighlightedText);
    LblNews->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LblNews->hide();
    LblPrize = new QLabel(this);
    LblPrize->setWordWrap(true);
    LblPrize->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Picture = new PatternPicture(this, 24);
    CallPicture = new PictureView(this);
    CallPicture->hide();
    LblCall = new QLabel(this);
    LblCall->setAlignment(Qt::AlignCenter);
    LblCall->setWordWrap(true);
    LblCall->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored); // its font fits its room, never widens it
    LblLast = new QLabel(this);
    LblLast->setAlignment(Qt::AlignCenter);
    LblLast->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Board = new CallerBoard(this);
    LblWinners = new QLabel(this);
    LblWinners->setWordWrap(true);
    LblWinners->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    Join = new QWidget(this);
    LblJoinQr = new QLabel(Join);
    LblJoinQr->setAlignment(Qt::AlignCenter);
    LblJoinUrl = new QLabel(Join);
    LblJoinUrl->setAlignment(Qt::AlignCenter);
    LblJoinUrl->setWordWrap(true);
    LblJoinUrl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* join = new QVBoxLayout(Join);
    join->setContentsMargins(0, 0, 0, 0);
    join->addWidget(LblJoinQr, 0, Qt::AlignHCenter);
    join->addWidget(LblJoinUrl);
    Join->hide();

    auto* prize = new QHBoxLayout;
    prize->addWidget(Picture);
    prize->addWidget(LblPrize, 1);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this, false); // placed by Open(), kept on its screen here
    Column = layout;
    layout->addWidget(LblNews);
    layout->addLayout(prize);
    layout->addWidget(CallPicture, 4);
    CallRow = new QHBoxLayout;
    CallRow->addWidget(LblCall, 1);
    layout->addLayout(CallRow, 4); // the call first, read from the back of the hall
    layout->addWidget(LblLast);
    layout->addWidget(Board, 3);
    layout->addWidget(LblWinners);
    UseWindowColours(this);
}

void RoomDisplay::Open()
{
    // A second screen: the display there, full screen; the caller keeps its own.
    const QScreen* own = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != own) {
            setScreen(screen);
            setGeometry(screen->geometry());
            showFullScreen();
            return;
        }
    show();
}

void RoomDisplay::ShowCalls(const CallerDraw* draw, const QStringList& letters, bool tickets, const QString& call,
                            const QStringList& lastCalls, const ::Picture* picture)
{
    const bool newCall = call != LblCall->text();
    CallPicture->Show(picture, call);
    LblCall->setText(call);
    LblCall->setAccessibleName(call);
    LblLast->setText(lastCalls.isEmpty() ? QString() : tr("Last calls: %1").arg(JoinIsolated(lastCalls, QStringLiteral(", "))));
    Board->Show(draw, letters, tickets);
    if (newCall)
        ShowNews({});
    Fit();
}

void RoomDisplay::ShowPrize(const QString& prize, const Pattern* pattern, int side, const QString& winners)
{
    LblPrize->setText(prize);
    LblPrize->setVisible(!prize.isEmpty());
    Picture->Show(pattern, side);
    LblWinners->setText(winners);
    LblWinners->setVisible(!winners.isEmpty());
    Fit();
}

void RoomDisplay::ShowNews(const QString& news)
{
    News = news;
    ShowBanner();
}

void RoomDisplay::ShowChecking(const QString& checking)
{
    Checking = checking;
    ShowBanner();
}

void RoomDisplay::ShowBanner()
{
    const QString text = News.isEmpty() ? Checking : News;
    if (text == LblNews->text() && LblNews->isVisibleTo(this) == !text.isEmpty())
        return;
    LblNews->setText(text);
    LblNews->setVisible(!text.isEmpty());
    Fit();
}

void RoomDisplay::ShowJoin(const QString& url, JoinPlace place)
{
    if (url.isEmpty())
        place = JoinPlace::Hidden;
    if (url == JoinUrl && place == Place)
        return;
    if (url != JoinUrl)
        JoinCode = url.isEmpty() ? QImage() : QrCodeImage(url.toUtf8());
    JoinUrl = url;
    Place = place;
    // In a corner it sits beside the call, which a number fills by its height, not its width;
    // large, where the board was.
    CallRow->removeWidget(Join);
    Column->removeWidget(Join);
    if (place == JoinPlace::Corner)
        CallRow->addWidget(Join, 0, Qt::AlignRight | Qt::AlignVCenter);
    else if (place == JoinPlace::Large)
        Column->insertWidget(Column->indexOf(Board), Join, 3);
    Join->setVisible(place != JoinPlace::Hidden);
    Board->setVisible(place != JoinPlace::Large);
    LblJoinUrl->setText(tr("Play on your phone:") + u'\n' + url);
    Join->setAccessibleName(LblJoinUrl->text());
    LblJoinQr->setAccessibleName(tr("QR code of %1").arg(url));
    Fit();
}

void RoomDisplay::FitJoin()
{
    if (Place == JoinPlace::Hidden)
        return;
    const int h = std::max(200, height());
    const bool large = Place == JoinPlace::Large;
    // Whole pixels a module, read by a phone from across the hall.
    const QImage& code = JoinCode;
    if (code.isNull())
        return;
    const int side = large ? std::min(width() / 2, h * 2 / 5) : h / 5;
    const int scale = std::max(2, side / code.width());
    LblJoinQr->setFixedSize(code.size() * scale); // the layout gives it its room, the call what is left
    LblJoinQr->setPixmap(QPixmap::fromImage(code.scaled(code.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    // The address whole, as large as the place allows: an address has nowhere to wrap.
    const int across = large ? width() - 32 : std::max(code.width() * scale, width() / 3);
    Join->setMinimumWidth(large ? 0 : across);
    Join->setMaximumWidth(large ? QWIDGETSIZE_MAX : across);
    QFont text = font();
    text.setBold(large);
    text.setPixelSize(LargestFittingSize(text, QRect(0, 0, across, h / 4), LblJoinUrl->text(), 8,
                                         std::max(14, large ? h / 24 : h / 40), 2));
    LblJoinUrl->setFont(text);
}

void RoomDisplay::Fit()
{
    // Read from the back of a hall: the call as large as its share of the window holds it, up
    // to a third of the window's height (a number reaches that), a phrase in two lines. The
    // call's share is fixed, so a long traditional call never squeezes the board.
    const int h = std::max(200, height());
    QFont call = LblCall->font();
    call.setBold(true);
    const QRect space = LblCall->contentsRect().adjusted(8, 4, -8, -4);
    call.setPixelSize(LargestFittingSize(call, space, LblCall->text(), 8, std::max(8, std::min(h / 3, space.height())), 2));
    LblCall->setFont(call);
    QFont big = font();
    big.setBold(true);
    big.setPixelSize(std::max(16, h / 14));
    LblNews->setFont(big);
    QFont medium = font();
    medium.setPixelSize(std::max(14, h / 24));
    LblPrize->setFont(medium);
    LblLast->setFont(medium);
    LblWinners->setFont(medium);
    FitJoin();
}

void RoomDisplay::ToggleFullScreen()
{
    isFullScreen() ? showNormal() : showFullScreen();
}

void RoomDisplay::mouseDoubleClickEvent(QMouseEvent*)
{
    ToggleFullScreen();
}

void RoomDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Fit();
}

void RoomDisplay::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT Closed();
}
