// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/RoomDisplay.h"
#include "app/PictureView.h"
#include "app/CallerBoard.h"
#include "app/PatternPicture.h"
#include "platform/ui/FitText.h"
#include "platform/ui/Panel.h"
#include "words/Bidi.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

RoomDisplay::RoomDisplay(QWidget* caller) : QWidget(caller, Qt::Window)
{
    setWindowTitle(tr("Room Display"));
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

    auto* prize = new QHBoxLayout;
    prize->addWidget(Picture);
    prize->addWidget(LblPrize, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblNews);
    layout->addLayout(prize);
    layout->addWidget(CallPicture, 4);
    layout->addWidget(LblCall, 3);
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
