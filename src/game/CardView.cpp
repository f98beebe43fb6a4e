// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CardView.h"
#include "words/PictureEntry.h"
#include <QCoreApplication>

CardView MakeCardView(const QStringList& cells, const CardOptions& options)
{
    CardView view;
    view.Side = CardSide(options.SizeIndex);
    if (options.Heading && !TrimControls(options.HeadingText).isEmpty())
        view.Heading = HeadingLetters(options.HeadingText).mid(0, view.Side);
    const int count = view.Side * view.Side;
    const int centre = count / 2;
    qsizetype w = 0;
    for (int k = 0; k < count; ++k) {
        if (k == centre && options.FreeSpace) {
            view.FreeCell = k;
            view.Texts << options.FreeSpaceText;
        } else {
            view.Texts << (w < cells.size() ? cells[w++] : QString());
        }
    }
    return view;
}

std::vector<bool> CardView::Marked(const QSet<QString>& called) const
{
    std::vector<bool> marked(Texts.size());
    for (qsizetype i = 0; i < Texts.size(); ++i)
        marked[i] = i == FreeCell || (!Texts[i].isEmpty() && called.contains(Texts[i]));
    return marked;
}

QString CardView::AsText(const QSet<QString>& called) const
{
    const std::vector<bool> marked = Marked(called);
    QStringList lines;
    if (!Heading.isEmpty())
        lines << Heading.join(u'\t');
    for (int r = 0; r < Side; ++r) {
        QStringList row;
        for (int c = 0; c < Side; ++c) {
            const int i = r * Side + c;
            row << Texts[i] + (marked[i] ? QStringLiteral("*") : QString());
        }
        lines << row.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString CardView::Describe() const
{
    QStringList parts;
    if (!Heading.isEmpty())
        parts << QCoreApplication::translate("CardView", "Heading: %1.").arg(Heading.join(QStringLiteral(", ")));
    for (int r = 0; r < Side; ++r) {
        QStringList row;
        for (int c = 0; c < Side; ++c) {
            const QString text = EntryCaption(Texts[r * Side + c]).trimmed();
            row << (text.isEmpty() ? QCoreApplication::translate("CardView", "empty") : text);
        }
        parts << QCoreApplication::translate("CardView", "Row %1: %2.").arg(r + 1).arg(row.join(QStringLiteral(", ")));
    }
    return parts.join(u' ');
}

QString CardView::ReadAt(int row, int column, int* cell) const
{
    if (cell)
        *cell = -1;
    const int rows = Side + (Heading.isEmpty() ? 0 : 1);
    if (Texts.isEmpty() || row < 0 || column < 0 || row >= rows || column >= Side)
        return {};
    if (!Heading.isEmpty()) {
        if (row == 0)
            return column < Heading.size() ? Heading[column] : QString();
        --row;
    }
    const int i = row * Side + column;
    if (cell)
        *cell = i;
    const QString text = EntryCaption(Texts[i]).trimmed();
    return text.isEmpty() ? QCoreApplication::translate("CardView", "empty") : text;
}
