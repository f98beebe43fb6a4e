// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/PlatformError.h"

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString ElideForMessage(const QString& text, qsizetype longest)
{
    const QString ellipsis = QStringLiteral("\u2026");
    const qsizetype keep = std::max<qsizetype>(4, (longest - 1) / 2);
    QString out;
    qsizetype run = 0; // start of the current run without spaces
    auto flush = [&](qsizetype end) {
        const qsizetype length = end - run;
        if (length > longest)
            out += text.mid(run, keep) + ellipsis + text.mid(end - keep, keep);
        else
            out += text.mid(run, length);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace()) {
            flush(i);
            out += text[i];
            run = i + 1;
        }
    }
    flush(text.size());
    // A text of many short words is cut as a whole.
    const qsizetype limit = longest * 6;
    if (out.size() > limit)
        out = out.left(limit - keep - 1) + ellipsis + out.right(keep);
    return out;
}
