#pragma once
// The running application as a whole.

class IApplication {
public:
    virtual ~IApplication() = default;

    // Asks the application to end. The request takes effect when control next returns to
    // the main message loop; this call itself returns at once.
    virtual void Terminate() = 0;

    // True once Terminate has been asked: work that would report the same failure again
    // stops quietly.
    virtual bool Terminating() const = 0;
};
