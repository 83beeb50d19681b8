#pragma once
// A modal window that is made the first time it is to be shown. A window the
// user may never open then costs nothing at start-up: neither its controls,
// nor its reading of files, nor the fonts its controls would look up before
// the first window is on the screen.

#include <functional>
#include <memory>

#include "shell/modal_window.h"

namespace mosarin {

class DeferredModalWindow final : public ModalWindow {
public:
    using Maker = std::function<std::unique_ptr<ModalWindow>()>;

    explicit DeferredModalWindow(Maker make) : make_(std::move(make)) {}

    // Makes the window at the first call, then shows it; later calls show
    // the same window, which keeps its state between openings.
    void showModal() override {
        if (!window_) window_ = make_();
        window_->showModal();
    }

    // The window once made; none before the first showModal.
    ModalWindow* window() const { return window_.get(); }

private:
    Maker make_;
    std::unique_ptr<ModalWindow> window_;
};

}  // namespace mosarin
