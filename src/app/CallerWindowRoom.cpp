// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's room display: opened and closed from the caller, and shown what it shows.
#include "app/CallerWindow.h"
#include "app/RoomDisplay.h"
#include "app/SharePanel.h"
#include "settings/OwnPatterns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

QCheckBox* CallerWindow::BuildRoomDisplay()
{
    ChkRoom = new QCheckBox(tr("Room Displa&y"), this);
    ChkRoom->setToolTip(tr("The call, the board and the prize for the hall, on a second screen where there is one."));
    connect(ChkRoom, &QCheckBox::toggled, this, [this](bool on) { SetRoomDisplay(on); });
    return ChkRoom;
}

void CallerWindow::SetRoomDisplay(bool on)
{
    if (!on) {
        if (Room)
            Room->hide();
        return;
    }
    if (!Room) {
        Room = new RoomDisplay(this);
        connect(Room, &RoomDisplay::Closed, this, [this] {
            const QSignalBlocker quiet(ChkRoom);
            ChkRoom->setChecked(false);
        });
    }
    ShowRoom();
    Room->Open();
    activateWindow(); // the host's keys stay with the caller
}

void CallerWindow::ShowRoom()
{
    if (!Room || !ChkRoom->isChecked())
        return;
    // Before the first call the hall sees the board and the prize; the caller's own hint is
    // for the host.
    Room->ShowCalls(Calls(), Letters, Playing.Tickets, Calls() && Calls()->CalledCount() > 0 ? LblCall->text() : QString(),
                    LastCalls, CurrentCallPicture());
    const PrizeLines lines = PrizeText();
    Room->ShowPrize(lines.Playing, Prizes().Now() ? PatternPlayed() : nullptr, CardSide(Playing.Options.SizeIndex), lines.Won);
    Room->ShowJoin(Share->Sharing() ? Share->Url() : QString(),
                   static_cast<RoomDisplay::JoinPlace>(std::clamp(Share->CboJoin->currentIndex(), 0, 2)));
    const int checking = Share->WaitingCard();
    Room->ShowChecking(checking == 0      ? QString()
                       : Playing.Tickets ? tr("Checking ticket %1").arg(checking)
                                         : tr("Checking card %1").arg(checking));
}
