#include "editor/tfcpintura.h"

namespace mosarin {

TFcpintura::TFcpintura(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setWindowTitle(QStringLiteral("Pictures Editor"));
    setFixedSize(651, 590);
}

void TFcpintura::showModal() { exec(); }

}  // namespace mosarin
