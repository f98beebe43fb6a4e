// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QProxyStyle>

// The program's style: the desktop's (or Fusion), with a focus ring of two pixels in the highlight colour around
// the control that has the keyboard focus (Fusion's own is a one-pixel line), so that a
// keyboard user sees at a glance where they are: text fields, buttons, combo boxes, spin
// boxes, check boxes, from the moment a window opens with the focus on one of them.
class FocusRingStyle final : public QProxyStyle {
public:
    explicit FocusRingStyle(QStyle* base = nullptr); // no base: Fusion
    // The ring over the style the application chose: `-style NAME`, QT_STYLE_OVERRIDE or the
    // platform theme's (qt6ct's, say); Fusion where that style can't be made again.
    static FocusRingStyle* ForDesktop();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // Buttons, combo boxes and spin boxes get the same ring (Fusion marks their focus with a
    // faint outline, much like the default button's frame).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The ring itself, inside `rect`.
    static void DrawRing(QPainter* painter, const QRect& rect, const QPalette& palette);

    static constexpr int RingWidth = 2;
};
