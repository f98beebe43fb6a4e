// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/WordListModel.h"
#include "words/PictureEntry.h"

qsizetype WordListModel::Insert(const QString& word)
{
    const qsizetype at = Words.InsertPosition(word);
    beginInsertRows({}, static_cast<int>(at), static_cast<int>(at));
    Words.Insert(word);
    ++Changes;
    endInsertRows();
    return at;
}

void WordListModel::InsertMany(QStringList words)
{
    beginResetModel();
    Words.InsertMany(std::move(words));
    ++Changes;
    endResetModel();
}

void WordListModel::RemoveAt(qsizetype index)
{
    beginRemoveRows({}, static_cast<int>(index), static_cast<int>(index));
    Words.RemoveAt(index);
    ++Changes;
    endRemoveRows();
}

void WordListModel::Clear()
{
    beginResetModel();
    Words.Clear();
    ++Changes;
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Words.Count());
}

QVariant WordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Words.Count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        // A picture by its caption: the line it is kept as is for the file.
        const QString& entry = Words.Items()[index.row()];
        return AsPicture(entry) ? tr("Picture: %1").arg(EntryCaption(entry)) : entry;
    }
    return {};
}
