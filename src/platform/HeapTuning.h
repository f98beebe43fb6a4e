// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

// Tells the C library to keep memory it has freed for the next page instead of handing the
// top of the heap back to the system after every page and asking for it again (a print job
// frees and takes the same few megabytes page after page). A job's peak stays as it was;
// only the churn goes. Does nothing where the C library is not glibc.
void KeepFreedMemoryForReuse();
