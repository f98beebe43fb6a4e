// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/PictureShelf.h"
#include "game/AutoCall.h"
#include "game/CallerDraw.h"
#include "game/CallerKeys.h"
#include "game/CallingSession.h"
#include "game/GameLog.h"
#include "game/Prizes.h"
#include "records/GameHistory.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class Announcer;
class PatternPicture;
class RoomDisplay;
class QCheckBox;
class QKeyEvent;
class QComboBox;
class PictureView;
class QLabel;
class QBoxLayout;
class QPushButton;
class QSpinBox;
class QTimer;
class Prompts;
class SharePanel;
class Speech;

// Game > Call Words: draws the words of the current list (or of a recent game) one at a
// time, shows the call as large as the window allows, a board of every word with the called
// ones marked, the count and the last five calls. Space, Enter or Next draws and Backspace
// or Undo takes the last call back, from the board (CallerKeys says what each key does
// where); F11 toggles full screen for a projector and Escape leaves it. Every call is saved at once, so a closed
// window or a crash loses nothing: opened again for the same game, it offers to go on.
// Auto Call calls on a timer; while it is on, Space or Pause pauses and resumes it, and a
// phone's claim pauses it.
class CallerWindow final : public QWidget {
    Q_OBJECT

public:
    // `currentList` gives the main window's list and options when the caller plays them.
    CallerWindow(QWidget* owner, Prompts& asks, Speech* voice,
                 std::function<GameSource()> currentList, std::function<std::uint64_t()> random);
    ~CallerWindow() override;

    // Plays a game (or the current list, with an empty code), offering to go on where a
    // saved game stopped.
    void Play(const GameSource& source);
    void Next();
    void Undo();
    void NewGame();

    const CallerDraw* Draw() const { return Calls(); }
    // The game's log: its calls' times, its take-backs, its claims (empty before a game).
    const GameLog& Log() const;
    const GameSource& Source() const { return Playing; }

    QComboBox* CboGame = nullptr;
    QLabel* LblCall = nullptr;
    PictureView* CallPicture = nullptr; // a picture call's picture, large, above its caption
    QLabel* LblClaim = nullptr; // a phone's claim, large, until the host confirms or clears it
    QWidget* Board = nullptr;
    QBoxLayout* CallAndBoard = nullptr; // the call over the board, sharing the height
    Announcer* Speaker = nullptr; // what a screen reader hears of each call
    QLabel* LblCount = nullptr;
    QLabel* LblLast = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* BtnUndo = nullptr;
    QPushButton* BtnNewGame = nullptr;
    QPushButton* BtnCheck = nullptr;
    QCheckBox* ChkReadAloud = nullptr;
    QCheckBox* ChkTraditional = nullptr; // a game of tickets only
    QCheckBox* ChkShare = nullptr;
    SharePanel* Share = nullptr;
    QCheckBox* ChkAutoCall = nullptr;
    QSpinBox* SpnSeconds = nullptr;
    QLabel* LblCountdown = nullptr;
    QPushButton* BtnPause = nullptr;
    // Pauses or resumes Auto Call; `why` is said (a claim, the host).
    void PauseAutoCall(bool pause, const QString& why = {});
    // Time passing for Auto Call (the window's timer calls it; a test may).
    void AdvanceAutoCall(int milliseconds);
    // Prizes in turn: the prize played and its pattern, who won, the host's choice.
    QPushButton* BtnPrizes = nullptr;
    QPushButton* BtnNextPrize = nullptr;
    QLabel* LblPrize = nullptr;
    PatternPicture* PrizePicture = nullptr;
    QCheckBox* ChkSkip = nullptr; // a 75-ball game's numbers the pattern can't use, not called
    QCheckBox* ChkRoom = nullptr;
    QPushButton* BtnRecord = nullptr;
    // Saves the game's record as PDF or CSV, where the host chooses.
    void SaveRecord();
    RoomDisplay* Room = nullptr; // made when first asked for
    const PrizeRound& Prizes() const;
    void SetPrizes(std::vector<Prize> prizes);
    // A claim the host confirmed: "Bingo! Card 17" on every phone, and the winner of the
    // prize played, where there are prizes. A card the rules did not find winning is the
    // host's decision, and the record, the room display and the phones say so.
    void ConfirmWinner(int card, const QString& line, bool hostsDecision = false);
    void NextPrize();

Q_SIGNALS:
    // `pattern`: the key of the prize played, empty where the game is played without prizes.
    void CheckRequested(const QString& code, const QString& pattern);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillGames();
    void SetTabOrder();
    void ChooseGame(int index);
    void Save();
    void ShowState();
    void FitTexts();
    void FitCall();
    void ShowCallPicture();
    const Picture* CurrentCallPicture() const; // the last call's, where it is a picture
    // The caller's keys, wherever the focus is in it; true when the key was one of them.
    bool HandleKey(QObject* from, const QKeyEvent& key);
    CallerKeys::Focus FocusKind(QObject* from) const;
    QString CallText(int index) const;
    // What the call board shows and the voices say: with Traditional Calls on a game of
    // tickets, "Two little ducks, 22"; else the call as CallText gives it.
    QString SaidText(int index) const;
    // The calls so far as the words of the list, for the phones.
    QStringList CalledWords() const;
    void SetSharing(bool on);
    // A phone's claim, said to a screen reader: one every three seconds at most, those that
    // came meanwhile as a count, so a flood of claims never buries the calls.
    void SayClaim(const QString& text);
    // The Auto Call row, its controls made and connected (CallerWindowAutoCall.cpp).
    QBoxLayout* BuildAutoCall();
    void SetAutoCall(bool on);
    void ShowClaimBanner();
    void ShowAutoCall();
    // The prizes' row (CallerWindowPrizes.cpp).
    QBoxLayout* BuildPrizes();
    void EditPrizes();
    void ShowPrize();
    void SavePrizes();
    // What the prizes' row says: the prize played ("Prize 2 of 3: Four corners"), and who won.
    struct PrizeLines {
        QString Playing;
        QString Won;
    };
    PrizeLines PrizeText() const;
    QString PrizeNameOf(const QString& key) const;
    // Said to a screen reader, and aloud where Read Aloud is on.
    void SayAloud(const QString& said);
    // The pattern the game is played for now: the prize's, else the one chosen for the
    // phones' claims; null for tickets or before a game.
    const Pattern* PatternPlayed() const;
    QString SkipText() const; // "skipping I, N, G: ...", empty when nothing is skipped
    AutoCall::State AutoNow() const;
    // Auto Call stopped, and its row and timer shown so.
    void StopAutoCall();
    // The room display (CallerWindowRoom.cpp).
    QCheckBox* BuildRoomDisplay();
    void SetRoomDisplay(bool on);
    void ShowRoom();

    Prompts& Asks;
    Speech* Voice;
    std::function<GameSource()> CurrentList;
    std::function<std::uint64_t()> Random;
    GameSource Playing;
    std::shared_ptr<const PictureShelf> CallPictures; // the pictures of a picture list's calls
    std::unique_ptr<CallingSession> Session; // the game being called
    const CallerDraw* Calls() const { return Session ? &Session->Draw() : nullptr; }
    QStringList Letters; // the heading's letters where the list is the numbers 1 to 75
    std::map<int, QString> Traditional;
    QStringList LastCalls; // newest first, as called
    bool SaveFailureSaid = false;
    QSize SizeBeforeSharing; // given back when sharing stops
    QElapsedTimer ClaimSaid;
    QElapsedTimer ClaimSounded;
    int ClaimsUnsaid = 0;
    QTimer* AutoTicker = nullptr;
    std::pair<const QEvent*, QObject*> KeyLeft; // a key a control left to its window, and the control
    QElapsedTimer AutoTicked;
};
