#include "game/CardCheck.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"

CardCheck CheckCard(const QStringList& words, const CardOptions& options, const QString& codeText, int card,
                    int knownCards, const QSet<QString>& called, WinPattern pattern)
{
    CardCheck check;
    GameCodeError why = GameCodeError::None;
    const auto code = ParseGameCode(codeText, &why);
    if (!code) {
        check.Error = GameCodeErrorText(codeText, why);
        return check;
    }
    check.Code = code->Text();
    if (code->Shape != ShapeCheck(words, options.SizeIndex, options.FreeSpace)) {
        check.Error = QStringLiteral("This card was printed from another word list.");
        return check;
    }
    if (card < 1 || (knownCards > 0 && card > knownCards)) {
        check.Error = knownCards > 0 ? QStringLiteral("Game %1 has %2 cards; there is no card %3").arg(check.Code).arg(knownCards).arg(card)
                                     : QStringLiteral("There is no card %1").arg(card);
        return check;
    }
    NumberedGame game(words, options, code->Seed);
    QString error;
    if (!game.Plan(card, error)) {
        check.Error = error;
        return check;
    }
    check.Card = MakeCardView(game.Card(card), options);
    check.Result = CheckPattern(check.Card.Marked(called), check.Card.Side, pattern, check.Card.Heading);
    return check;
}
