// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <optional>

struct BatchOptions;

// Runs one batch: reads the list by the window's rule, fills in the options from the
// settings file, checks the word count and prints. Messages go to standard error.
// Returns the exit status: 0 done, 1 refused or failed (nothing half-written is left).
int RunBatch(const BatchOptions& options);
