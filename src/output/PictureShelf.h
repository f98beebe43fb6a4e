// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Picture.h"

#include <QHash>
#include <QStringList>

#include <memory>

// The pictures of a list's picture entries, each read once for a job or a window: every card
// that shows one draws the same decoded picture (and a document keeps it once).
class PictureShelf {
public:
    // Reads the picture of every picture entry, its name found from `folder` (the list's). A
    // picture that can't be read is left off the shelf (its cell shows its caption alone)
    // and named in `problems`, once.
    void Load(const QStringList& entries, const QString& folder, QStringList* problems = nullptr);
    // The picture of an entry's name as written in it; null where it has none or it failed.
    const Picture* Find(const QString& path) const;
    bool IsEmpty() const { return Pictures.isEmpty(); }
    qsizetype Count() const { return Pictures.size(); }

private:
    QHash<QString, Picture> Pictures; // by the name in the entry
    QHash<QString, QString> Failed;   // by the name in the entry: why
};

// The pictures of `entries` on a shelf of their own (see Load), starting from those `kept`
// holds (read before, not read again); none where no entry's picture could be read.
std::shared_ptr<const PictureShelf> ReadShelf(const QStringList& entries, const QString& folder,
                                              QStringList* problems = nullptr, const PictureShelf* kept = nullptr);
