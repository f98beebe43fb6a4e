// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/PictureShelf.h"
#include "platform/PlatformError.h"
#include "words/PictureEntry.h"

void PictureShelf::Load(const QStringList& entries, const QString& folder, QStringList* problems)
{
    for (const QString& entry : entries) {
        const std::optional<PictureEntry> picture = AsPicture(entry);
        if (!picture || Pictures.contains(picture->Path) || Failed.contains(picture->Path))
            continue;
        try {
            Pictures.insert(picture->Path, ReadPicture(PictureFile(*picture, folder), ListPictureSide));
        } catch (const PlatformError& error) {
            Failed.insert(picture->Path, error.Text());
            if (problems)
                *problems << error.Text();
        }
    }
}

std::shared_ptr<const PictureShelf> ReadShelf(const QStringList& entries, const QString& folder, QStringList* problems,
                                              const PictureShelf* kept)
{
    auto shelf = kept ? std::make_shared<PictureShelf>(*kept) : std::make_shared<PictureShelf>();
    shelf->Load(entries, folder, problems);
    if (shelf->IsEmpty())
        return nullptr;
    return shelf;
}

const Picture* PictureShelf::Find(const QString& path) const
{
    const auto it = Pictures.constFind(path);
    return it == Pictures.cend() ? nullptr : &*it;
}
