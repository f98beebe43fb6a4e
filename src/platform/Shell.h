#pragma once
#include <QUrl>

// Hands a file or a web address to the desktop's associated program. Never a command line.
// Whether anything opened is not reported: a missing browser shows nothing of ours.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Open(const QUrl& url) = 0;
};
