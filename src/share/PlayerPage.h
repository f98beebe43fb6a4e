// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/SharedGame.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class PictureShelf;
struct CardDesign;

// What the share server says to a phone: the player's page (the card page's look, the
// player's script, every text escaped), with the content security policy that lets only its
// own script and style run; and a seat as the page's script reads it.
QByteArray PlayerPage(QByteArray& policy, bool tickets);
// `pictures`: a picture list's; each picture cell then carries its picture as a data: image.
// `design`: the list's; a card then carries its title, footer and colours ("#rrggbb").
QJsonObject SeatJson(const SharedGame::Seat& seat, const QString& code, const PictureShelf* pictures = nullptr,
                     const CardDesign* design = nullptr);
