// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QLocale>
#include <QString>
#include <QTranslator>

// The program in the user's language: our own catalogue (built into the program) and Qt's
// for its standard dialogs, chosen from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads
// them. English is the source language and needs no catalogue. Keep the object for as long
// as the application lives; Install() again on a new application object.
class Translations {
public:
    // Installs the catalogues for `locale` on the current application object. False when
    // there is none of ours for that language (the program then speaks English).
    bool Install(const QLocale& locale = QLocale::system());

    // The languages a catalogue is built for ("de", "es", "fr").
    static QStringList Shipped();
    // The language the program speaks: the last catalogue installed ("de"), empty for English.
    static QString Current();
    // A text in a language of its own, whatever the program speaks (a game's printed line
    // in the language it was made in): the source text for English or a language without
    // a catalogue. Safe from any thread.
    static QString Translate(const QString& language, const char* context, const char* source);

private:
    QTranslator Own;
    QTranslator Qt;
};
