#include "shell/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace mosarin {

// Breaking inside words (at a hyphen, say) would make "On-Line" unreadable
// in a narrow button, so only spaces break.
QString wrappedAtSpaces(const QString& caption, const QFontMetrics& metrics, int width) {
    QString wrapped;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        wrapped += line + QLatin1Char('\n');
        line = word;
    }
    return wrapped + line;
}

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the frame, the pressed look and the focus; the caption
    // is drawn here so that it may take more than one line.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The style keeps a margin inside the frame that a tiny button ("<<<" in
    // 25 pixels) cannot spare: a caption that would not fit there may use
    // the whole button within its frame rather than spill over its edges.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    if (!caption.contains(QLatin1Char(' ')) && fontMetrics().horizontalAdvance(caption) > area.width())
        area = rect().adjusted(frame, frame, -frame, -frame);
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                         wrappedAtSpaces(caption, fontMetrics(), area.width()), QPalette::ButtonText);
}

}  // namespace mosarin
