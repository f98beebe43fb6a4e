#pragma once

// How the cards look beyond the form's options, in the section "Look" of the settings file:
// whether every word of a job is drawn at one size ("Same Text Size").
namespace CardLookSettings {

bool SameTextSize();
void SetSameTextSize(bool on);

} // namespace CardLookSettings
