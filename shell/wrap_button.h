#pragma once
// A push button whose caption breaks between words when it does not fit on
// one line, and whose one-word caption may use the whole button when the
// style's margins leave it too little room. text() stays the caption as
// given; only the painting differs.

#include <QFontMetrics>
#include <QPushButton>

namespace mosarin {

// `caption` with a line break at each space where the next word would pass
// `width` pixels; a word wider than `width` stands alone on its line.
QString wrappedAtSpaces(const QString& caption, const QFontMetrics& metrics, int width);

class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    WrapButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace mosarin
