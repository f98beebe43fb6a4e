#pragma once
#include <QString>
#include <stdexcept>

// The one exception type of the program: a failure of the platform (a file that can't be
// opened, a settings file that can't be written, a text that isn't a number). It carries
// the platform's own message, without the full stop the error box adds.
// Handlers never catch it; the dispatch wrapper of the main window shows it.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& message)
        : std::runtime_error(message.toStdString()), Message(message) {}
    const QString& Text() const { return Message; }

private:
    QString Message;
};

// The default error box's text: the message, with a full stop appended when its last
// character's code is above that of "." ("File not found." but "Stop!" stays as it is).
QString ErrorBoxText(const QString& message);
