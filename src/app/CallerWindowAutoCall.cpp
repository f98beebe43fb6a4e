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
    Auto.SetSeconds(SpnSeconds->value());
    LblCountdown = new QLabel(this);
    BtnPause = new QPushButton(tr("P&ause"), this);
    AutoTicker = new QTimer(this);
    AutoTicker->setInterval(200);
    connect(ChkAutoCall, &QCheckBox::toggled, this, [this](bool on) { SetAutoCall(on); });
    connect(SpnSeconds, &QSpinBox::valueChanged, this, [this](int seconds) {
        Auto.SetSeconds(seconds);
        ShowAutoCall();
        RunGuarded(Asks, [seconds] { AutoCallSecondsSetting.Write(seconds); });
    });
    connect(BtnPause, &QPushButton::clicked, this,
            [this] { PauseAutoCall(Auto.Now() != AutoCall::State::Paused, QString()); });
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

void CallerWindow::SetAutoCall(bool on)
{
    if (on && Calls() && !Calls()->Done()) {
        Auto.Start();
        AutoTicked.start();
        AutoTicker->start();
    } else {
        Auto.Stop();
        AutoTicker->stop();
        if (on) {
            const QSignalBlocker quiet(ChkAutoCall);
            ChkAutoCall->setChecked(false);
        }
    }
    ShowState();
    ShowAutoCall();
}

void CallerWindow::PauseAutoCall(bool pause, const QString& why)
{
    if (!Auto.On())
        return;
    if (pause)
        Auto.Pause();
    else
        Auto.Resume();
    ShowAutoCall();
    Speaker->Say(!why.isEmpty() ? why : pause ? tr("Auto Call paused") : tr("Auto Call goes on"));
}

void CallerWindow::AdvanceAutoCall(int milliseconds)
{
    const int shown = Auto.SecondsLeft();
    const AutoCall::State before = Auto.Now();
    if (Auto.Advance(milliseconds, ChkReadAloud->isChecked() && Voice && Voice->Speaking()))
        RunGuarded(Asks, [this] { Next(); });
    if (Auto.SecondsLeft() != shown || Auto.Now() != before)
        ShowAutoCall();
}

void CallerWindow::ShowAutoCall()
{
    BtnPause->setEnabled(Auto.On());
    BtnPause->setText(Auto.Now() == AutoCall::State::Paused ? tr("Resu&me") : tr("P&ause"));
    switch (Auto.Now()) {
    case AutoCall::State::Off: LblCountdown->clear(); break;
    case AutoCall::State::Paused: LblCountdown->setText(tr("Paused: press Space to go on")); break;
    case AutoCall::State::WaitingForSpeech: LblCountdown->setText(tr("Next call once this one is read")); break;
    case AutoCall::State::Counting: LblCountdown->setText(tr("Next call in %1 s").arg(Auto.SecondsLeft())); break;
    }
}
