#include "shell/platform.h"

namespace mosarin {

QString messageTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    }
    return QString();
}

}  // namespace mosarin
