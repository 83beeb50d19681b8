#pragma once
// The "Pictures Editor" window. Created hidden at start-up, shown modally by
// the game's "Edit Pictures"; closing it only hides it, keeping its state.
// Painting and the editor's commands live in this folder as they are built.

#include <QDialog>

#include "shell/modal_window.h"
#include "shell/platform.h"

namespace mosarin {

class TFcpintura final : public QDialog, public ModalWindow {
    Q_OBJECT
public:
    explicit TFcpintura(Platform& platform, QWidget* parent = nullptr);

    void showModal() override;

private:
    Platform& platform_;
};

}  // namespace mosarin
