// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/QtSpeech.h"

#ifdef PLUMWICK_HAVE_SPEECH
#include <QTextToSpeech>
#include <QCoreApplication>
#endif

struct QtSpeech::Engine {
#ifdef PLUMWICK_HAVE_SPEECH
    QTextToSpeech Tts;
    explicit Engine(const QString& name) : Tts(name) {}
#endif
};

QtSpeech::QtSpeech() = default;
QtSpeech::~QtSpeech() = default;

bool QtSpeech::Available(QString* why)
{
    if (!Tried) {
        Tried = true;
#ifdef PLUMWICK_HAVE_SPEECH
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            Why = QCoreApplication::translate("QtSpeech", "No speech engine is installed (Debian: qt6-speech-flite-plugin).");
        } else {
            Voice = std::make_unique<Engine>(engines.contains(QStringLiteral("flite")) ? QStringLiteral("flite")
                                                                                       : engines.front());
            if (Voice->Tts.state() == QTextToSpeech::Error) {
                Why = QCoreApplication::translate("QtSpeech", "The speech engine could not start: no audio device?");
                Voice.reset();
            }
        }
#else
        Why = QCoreApplication::translate("QtSpeech", "This build of Plumwick has no speech.");
#endif
    }
    if (why)
        *why = Why;
    return Voice != nullptr;
}

void QtSpeech::Say(const QString& text)
{
#ifdef PLUMWICK_HAVE_SPEECH
    if (Available())
        Voice->Tts.say(text);
#else
    (void)text;
#endif
}

bool QtSpeech::Speaking()
{
#ifdef PLUMWICK_HAVE_SPEECH
    return Voice && Voice->Tts.state() == QTextToSpeech::Speaking;
#else
    return false;
#endif
}
