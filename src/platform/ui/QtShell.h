#pragma once
#include "platform/Shell.h"

class QtShell final : public Shell {
public:
    void Open(const QUrl& url) override;
};
