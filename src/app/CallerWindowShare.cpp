// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's sharing with the phones: turned on and off, and their claims said and shown.
#include "app/CallerWindow.h"
#include "app/SharePanel.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/ui/Announcer.h"
#include "platform/ui/ScreenFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

void CallerWindow::SayClaim(const QString& text)
{
    constexpr qint64 Gap = 3000;
    if (!ClaimSaid.isValid() || ClaimSaid.elapsed() >= Gap) {
        Speaker->Say(text);
        ClaimSaid.start();
        return;
    }
    if (++ClaimsUnsaid > 1)
        return; // already to be said with the others
    QTimer::singleShot(Gap - ClaimSaid.elapsed(), this, [this] {
        Speaker->Say(ClaimsUnsaid == 1 ? tr("Another claim: see the list of claims") : tr("%1 more claims: see the list of claims").arg(ClaimsUnsaid));
        ClaimsUnsaid = 0;
        ClaimSaid.start();
    });
}

void CallerWindow::ShowClaimBanner()
{
    const QString waiting = Share->WaitingClaim();
    const QString text = waiting.isEmpty() ? QString() : tr("Claim: %1").arg(waiting);
    ShowRoom(); // the hall sees which card is being checked
    if (text == LblClaim->text())
        return;
    const bool shownBefore = !LblClaim->text().isEmpty();
    LblClaim->setText(text);
    LblClaim->setVisible(!text.isEmpty());
    if (shownBefore != !text.isEmpty()) // the call gets another height once laid out again
        QTimer::singleShot(0, this, [this] { FitCall(); });
}

void CallerWindow::SetSharing(bool on)
{
    if (!on) {
        Share->Stop();
        ShowRoom(); // no more joining
        // Back to the size it had: the panel's room is not kept for the next opening.
        if (SizeBeforeSharing.isValid())
            resize(SizeBeforeSharing);
        SizeBeforeSharing = {};
        return;
    }
    try {
        SizeBeforeSharing = size();
        Share->Start(Playing, CalledWords());
        ShowPrize(); // the phones play for the prize being played, and see it
        // The panel widens the window: never past the screen.
        QTimer::singleShot(0, this, [this] { ScreenFit::KeepOnScreen(this); });
    } catch (const PlatformError& e) {
        const QSignalBlocker quiet(ChkShare);
        ChkShare->setChecked(false);
        Asks.Error(e.Text());
    }
}
