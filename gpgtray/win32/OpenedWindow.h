#pragma once
// The window that shows a decrypted or verified text and the state of its signature. It
// stays open beside the other programs until the user closes it; a later text replaces the
// one it shows. A Unicode window, so that the text shows whole in any language.

#include <string>

#include "Dialog.h"

namespace gpgtray {

class OpenedWindow : public Dialog {
public:
    // Texts in UTF-8.
    void Show(const std::string& text, const std::string& signatureWords);

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInit();
    void Layout(int width, int height);
};

}  // namespace gpgtray
