#pragma once
#include "game/CardView.h"

#include <QWidget>
#include <vector>

// A card as printed (heading, free space, the same cells) with the called words marked,
// for the checker. Paints itself to any size.
class CardGridView final : public QWidget {
    Q_OBJECT

public:
    explicit CardGridView(QWidget* parent = nullptr);
    void Show(const CardView& card, const std::vector<bool>& marked);
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CardView Card;
    std::vector<bool> Marked;
    bool HasCard = false;
};
