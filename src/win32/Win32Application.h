#pragma once
// The application's end, through the thread's message loop.

#include "platform/Application.h"

class Win32Application : public IApplication {
public:
    void Terminate() override;
    bool Terminating() const override { return terminating_; }

private:
    bool terminating_ = false;
};
