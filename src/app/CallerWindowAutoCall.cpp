// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's Auto Call: its row of controls, and the timer that calls.
#include "app/CallerWindow.h"
#include "platform/Speech.h"
#include "platform/ui/Announcer.h"
#include "platform/ui/Guarded.h"
#include "settings/SettingsFlag.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

QBoxLayout* CallerWindow::BuildAutoCall()
{
    ChkAutoCall = new QCheckBox(tr("Auto Call e&very"), this);
    ChkAutoCall->setToolTip(tr("Calls the next word on its own after the seconds given; Space pauses and resumes."));
    SpnSeconds = new QSpinBox(this);
    SpnSeconds->setRange(AutoCall::MinSeconds, AutoCall::MaxSeconds);
    SpnSeconds->setSuffix(tr(" s"));
    SpnSeconds->setAccessibleName(tr("Seconds between calls"));
    SpnSeconds->setValue(AutoCall::Clamped(AutoCallSecondsSetting.Read()));
    LblCountdown = new QLabel(this);
    BtnPause = new QPushButton(tr("P&ause"), this);
    AutoTicker = new QTimer(this);
    AutoTicker->setInterval(200);
    connect(ChkAutoCall, &QCheckBox::toggled, this, [this](bool on) { SetAutoCall(on); });
    connect(SpnSeconds, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (Session)
            Session->SetAutoSeconds(seconds);
        ShowAutoCall();
        RunGuarded(Asks, [seconds] { AutoCallSecondsSetting.Write(seconds); });
    });
    connect(BtnPause, &QPushButton::clicked, this,
            [this] { PauseAutoCall(AutoNow() != AutoCall::State::Paused, QString()); });
    connect(AutoTicker, &QTimer::timeout, this, [this] {
        const int elapsed = int(AutoTicked.restart());
        AdvanceAutoCall(elapsed);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(ChkAutoCall);
    row->addWidget(SpnSeconds);
    row->addWidget(BtnPause);
    row->addWidget(LblCountdown, 1);
    return row;
}

AutoCall::State CallerWindow::AutoNow() const
{
    return Session ? Session->Auto().Now() : AutoCall::State::Off;
}

void CallerWindow::SetAutoCall(bool on)
{
    if (!Session)
        return;
    if (on && Session->StartAuto())
        AutoTicked.start();
    else
        Session->StopAuto();
    ShowState();
    ShowAutoCall();
}

void CallerWindow::StopAutoCall()
{
    if (Session)
        Session->StopAuto();
    ShowAutoCall();
}

void CallerWindow::PauseAutoCall(bool pause, const QString& why)
{
    if (AutoNow() == AutoCall::State::Off)
        return;
    Session->PauseAuto(pause);
    ShowAutoCall();
    Speaker->Say(!why.isEmpty() ? why : pause ? tr("Auto Call paused") : tr("Auto Call goes on"));
}

void CallerWindow::AdvanceAutoCall(int milliseconds)
{
    if (!Session)
        return;
    const AutoCall& timer = Session->Auto();
    const int shown = timer.SecondsLeft();
    const AutoCall::State before = timer.Now();
    if (Session->AutoDue(milliseconds, ChkReadAloud->isChecked() && Voice && Voice->Speaking()))
        RunGuarded(Asks, [this] { Next(); });
    if (AutoNow() != before || (Session && Session->Auto().SecondsLeft() != shown))
        ShowAutoCall();
}

void CallerWindow::ShowAutoCall()
{
    // The box, the button and the timer follow the session, whatever stopped or started it.
    const AutoCall::State now = AutoNow();
    {
        const QSignalBlocker quiet(ChkAutoCall);
        ChkAutoCall->setChecked(now != AutoCall::State::Off);
    }
    if (now == AutoCall::State::Off)
        AutoTicker->stop();
    else if (!AutoTicker->isActive())
        AutoTicker->start();
    BtnPause->setEnabled(now != AutoCall::State::Off);
    BtnPause->setText(now == AutoCall::State::Paused ? tr("Resu&me") : tr("P&ause"));
    switch (now) {
    case AutoCall::State::Off: LblCountdown->clear(); break;
    case AutoCall::State::Paused: LblCountdown->setText(tr("Paused: press Space to go on")); break;
    case AutoCall::State::WaitingForSpeech: LblCountdown->setText(tr("Next call once this one is read")); break;
    case AutoCall::State::Counting: LblCountdown->setText(tr("Next call in %1 s").arg(Session->Auto().SecondsLeft())); break;
    }
}
