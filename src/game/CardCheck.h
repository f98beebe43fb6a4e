#pragma once
#include "card/CardOptions.h"
#include "game/CardView.h"
#include "game/WinPatterns.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Checking a claimed card: the code read, the list and options checked against it, card n
// made again, marked with the words called and judged for a pattern. Shared by the
// checker window and plumwick-print --check.
struct CardCheck {
    QString Error; // set when the check could not be made; nothing else is then
    QString Code;  // the code as printed
    CardView Card;
    Verdict Result;
};

// `knownCards`: the game's count where the history knows it (0: unknown).
CardCheck CheckCard(const QStringList& words, const CardOptions& options, const QString& code, int card,
                    int knownCards, const QSet<QString>& called, WinPattern pattern);
