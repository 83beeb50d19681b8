#pragma once
// A window another window can show modally and wait for.

namespace mosarin {

class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    // Shows the window modally and returns when the user has closed it.
    virtual void showModal() = 0;
};

}  // namespace mosarin
