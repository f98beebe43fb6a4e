// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Speech.h"

#include <memory>

class QObject;

// Speech through Qt TextToSpeech (the flite engine on Debian), made when first asked for.
// Built without Qt TextToSpeech, it is never available.
class QtSpeech final : public Speech {
public:
    QtSpeech();
    ~QtSpeech() override;
    bool Available(QString* why = nullptr) override;
    void Say(const QString& text) override;
    bool Speaking() override;

private:
    struct Engine;
    std::unique_ptr<Engine> Voice;
    bool Tried = false;
    QString Why;
};
