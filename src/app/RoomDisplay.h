// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

class CallerBoard;
class CallerDraw;
class PatternPicture;
class PictureView;
struct Picture;
class QBoxLayout;
class QLabel;

// The caller's room display: what the hall sees on a second screen or a projector while the
// host keeps the caller's controls on the laptop. The call as large as the window allows (a
// fifth of its height at the least), the last calls, the board, the prize played and its
// pattern, the winners so far, "Checking card 17" while a claim waits, a win as "Bingo!
// Card 17" until the next call, and while the game is shared how a phone joins. It opens
// full screen on a second screen where there is one; a double click, or the caller's F12,
// toggles full screen. It never takes the focus, so the host's keys stay with the caller.
// It shows what the caller gives it.
class RoomDisplay final : public QWidget {
    Q_OBJECT

public:
    explicit RoomDisplay(QWidget* caller);

    // Opens on the screen the caller is not on, full screen there; else beside it.
    void Open();
    // The calls: `draw` stays the caller's, and is given again whenever it changes.
    // `picture`: a picture call's picture, shown large above its caption (none: a word).
    void ShowCalls(const CallerDraw* draw, const QStringList& letters, bool tickets, const QString& call,
                   const QStringList& lastCalls, const ::Picture* picture = nullptr);
    // The prize: "Prize 2 of 3: Four corners" and its pattern (null: none to draw), and who won.
    void ShowPrize(const QString& prize, const Pattern* pattern, int side, const QString& winners);
    // "Bingo! Card 17", large, until the next call; empty takes it away.
    void ShowNews(const QString& news);
    // "Checking card 17" while the host checks a claim, where no news is shown; empty: none.
    void ShowChecking(const QString& checking);
    void ToggleFullScreen();
    // How a phone joins while the game is shared: its address and QR code, in a corner beside
    // the prize, or large in the board's place (before the first call, say). An empty address,
    // or Hidden, shows none.
    enum class JoinPlace { Corner, Large, Hidden };
    void ShowJoin(const QString& url, JoinPlace place);

    QLabel* LblCall = nullptr;
    QLabel* LblNews = nullptr;
    QLabel* LblPrize = nullptr;
    QLabel* LblLast = nullptr;
    QLabel* LblWinners = nullptr;
    PatternPicture* Picture = nullptr;
    PictureView* CallPicture = nullptr;
    CallerBoard* Board = nullptr;
    QWidget* Join = nullptr; // the QR code over the address
    QLabel* LblJoinQr = nullptr;
    QLabel* LblJoinUrl = nullptr;

Q_SIGNALS:
    void Closed();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Fit();
    void ShowBanner();

    void FitJoin();

    QString News;
    QString Checking;
    QString JoinUrl;
    QImage JoinCode; // JoinUrl's QR code, made when the address changes
    JoinPlace Place = JoinPlace::Hidden;
    QBoxLayout* CallRow = nullptr; // the call, and beside it how to join
    QBoxLayout* Column = nullptr;
};
