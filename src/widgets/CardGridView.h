// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/PictureShelf.h"
#include "game/CardView.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <unordered_map>
#include <vector>

// A card as printed (heading, free space, the same cells) with the called words marked,
// for the checker. Paints itself to any size.
class CardGridView final : public QWidget {
    Q_OBJECT

public:
    explicit CardGridView(QWidget* parent = nullptr);
    // `winning`: the cells of the winning pattern (reading order), outlined; a line is also
    // struck through.
    void Show(const CardView& card, const std::vector<bool>& marked, const std::vector<int>& winning = {});
    // The pictures of a picture list's cells, drawn above their captions (none: captions alone).
    void SetPictures(std::shared_ptr<const PictureShelf> pictures)
    {
        Pictures = std::move(pictures);
        Drawn.clear();
    }
    bool Showing() const { return HasCard; }
    // What a cell says to a screen reader: "12, called, in the winning line" (row 0 is the
    // heading where the card has one); "" where no card is shown.
    int Rows() const;
    int Columns() const;
    QString CellText(int row, int column) const;
    // The mark's colour: 3.2:1 against the white paper, 6.5:1 under black text.
    static QColor MarkColour() { return QColor(214, 120, 0); }
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CardView Card;
    std::shared_ptr<const PictureShelf> Pictures;
    std::unordered_map<quint64, PictureAtSize> Drawn; // by the picture's key
    std::vector<bool> Marked;
    std::vector<int> Winning;
    bool HasCard = false;
};
