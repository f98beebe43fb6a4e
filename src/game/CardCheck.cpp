// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CardCheck.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "words/CountText.h"
#include <QCoreApplication>

namespace {

QString CardShapeName(int sizeIndex, bool freeSpace)
{
    const int side = CardSide(sizeIndex);
    return QCoreApplication::translate("CardCheck", "%1 x %1 %2").arg(side).arg(freeSpace ? QCoreApplication::translate("CardCheck", "with a free space")
                                                                : QCoreApplication::translate("CardCheck", "without a free space"));
}

} // namespace

QString ShapeMismatchText(const GameCode& code, const QStringList& words, const CardOptions& options)
{
    // The code knows the list and the card's shape together: try the list with the other
    // shapes, to say which one differs.
    for (int size = 0; size < 3; ++size)
        for (bool free : {true, false})
            if (ShapeCheck(words, size, free) == code.Shape)
                return QCoreApplication::translate("CardCheck", "Game %1 has cards of %2, but the check is set to %3. Change the card size or "
                                      "the free space and check again.")
                    .arg(code.Text(), CardShapeName(size, free), CardShapeName(options.SizeIndex, options.FreeSpace));
    return QCoreApplication::translate("CardCheck", "This card was printed from another word list.");
}

CardCheck CheckCard(const QStringList& words, const CardOptions& options, const QString& codeText, int card,
                    int knownCards, const QSet<QString>& called, const Pattern& pattern)
{
    CardCheck check;
    GameCodeError why = GameCodeError::None;
    const auto code = ParseGameCode(codeText, &why);
    if (codeText.trimmed().isEmpty()) {
        check.Error = QCoreApplication::translate("CardCheck", "Please type the game code printed on the card (as K7F2-9QXA).");
        return check;
    }
    if (!code) {
        check.Error = GameCodeErrorText(codeText, why);
        return check;
    }
    check.Code = code->Text();
    if (code->Shape != ShapeCheck(words, options.SizeIndex, options.FreeSpace)) {
        check.Error = ShapeMismatchText(*code, words, options);
        return check;
    }
    if (card < 1 || (knownCards > 0 && card > knownCards)) {
        check.Error = knownCards > 0 ? QCoreApplication::translate("CardCheck", "Game %1 has %2; there is no card %3").arg(check.Code, CardCountText(knownCards)).arg(card)
                                     : QCoreApplication::translate("CardCheck", "There is no card %1").arg(card);
        return check;
    }
    NumberedGame game(words, options, code->Seed);
    QString error;
    if (!game.Plan(card, error)) {
        check.Error = error;
        return check;
    }
    check.Card = MakeCardView(game.Card(card), options);
    if (knownCards <= 0)
        check.Note = QCoreApplication::translate("CardCheck", "This computer has no record of game %1, so it cannot confirm how many cards the "
                                    "game has.")
                         .arg(check.Code);
    check.Result = CheckFor(check.Card.Marked(called), check.Card.Side, pattern, check.Card.Heading);
    return check;
}
