#pragma once
#include <QProxyStyle>

// The program's style: Fusion, with a focus ring of two pixels in the highlight colour around
// the control that has the keyboard focus (Fusion's own is a one-pixel line), so that a
// keyboard user sees at a glance where they are.
class FocusRingStyle final : public QProxyStyle {
public:
    explicit FocusRingStyle(QStyle* base = nullptr);
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    static constexpr int RingWidth = 2;
};
