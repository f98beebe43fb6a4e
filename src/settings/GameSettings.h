#pragma once

// What the game night remembers, in the section "Game" of the settings file: whether print
// jobs are numbered games, and whether the caller reads its calls aloud. A settings file that
// can't be written is reported by the caller of Write...; reading never fails.
namespace GameSettings {

bool NumberCards();
void SetNumberCards(bool on);
bool ReadAloud();
void SetReadAloud(bool on);

} // namespace GameSettings
