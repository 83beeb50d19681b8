// The editor window's controls, at their places, and the wiring of their
// handlers.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "editor/tfcpintura.h"
#include "shell/window_look.h"
#include "shell/image_view.h"
#include "shell/wrap_button.h"

namespace mosarin {

namespace {

constexpr int kTimerInterval = 80;   // milliseconds: at most 12 frames a second


// In a dialog every button would otherwise answer Return: typing a size and
// pressing Return must not run "<<<".
template <typename Button = QPushButton>
QPushButton* addButton(QWidget* parent, const char* caption, QRect place) {
    auto* button = new Button(QString::fromLatin1(caption), parent);
    button->setAutoDefault(false);
    button->setGeometry(place);
    return button;
}

QLabel* addLabel(QWidget* parent, const char* caption, QPoint at) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QGroupBox* addGroup(QWidget* parent, const char* caption, QRect place) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setGeometry(place);
    return group;
}

QLineEdit* addField(QWidget* parent, QRect place) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(place);
    return field;
}

}  // namespace

bool isPaintingButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

namespace {

struct ButtonHandler {
    QPushButton* TFcpintura::*control;
    void (TFcpintura::*handler)();
};

const ButtonHandler kButtonHandlers[] = {
    {&TFcpintura::Button1, &TFcpintura::Button1Click},   {&TFcpintura::Button2, &TFcpintura::Button2Click},
    {&TFcpintura::Button18, &TFcpintura::Button18Click}, {&TFcpintura::Button3, &TFcpintura::Button3Click},
    {&TFcpintura::Button19, &TFcpintura::Button19Click}, {&TFcpintura::Button4, &TFcpintura::Button1Click9},
    {&TFcpintura::Button13, &TFcpintura::Button13Click}, {&TFcpintura::Button5, &TFcpintura::Button5Click},
    {&TFcpintura::Button6, &TFcpintura::Button6Click},   {&TFcpintura::Button7, &TFcpintura::Button7Click},
    {&TFcpintura::Button8, &TFcpintura::Button8Click},   {&TFcpintura::Button9, &TFcpintura::Button9Click},
    {&TFcpintura::Button10, &TFcpintura::Button10Click}, {&TFcpintura::Button14, &TFcpintura::Button14Click},
    {&TFcpintura::Button11, &TFcpintura::Button11Click}, {&TFcpintura::Button12, &TFcpintura::Button12Click},
    {&TFcpintura::Button15, &TFcpintura::Button15Click}, {&TFcpintura::Button16, &TFcpintura::Button16Click},
    {&TFcpintura::Button17, &TFcpintura::Button17Click},
};

}  // namespace

void TFcpintura::buildControls() {
    setWindowTitle(QStringLiteral("Pictures Editor"));
    dressWindow(*this);
    setFixedSize(kEditorClientWidth, kEditorClientHeight);

    // First, so that every other control lies over it.
    Image1 = new ImageView(this);
    Image1->setGeometry(0, 0, 641, 553);

    buildCommandArea();
    buildSelectPanel();

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimerInterval);
    frameTimer_.emplace(*Timer1, [this] { return state_.redrawPending; });
}

void TFcpintura::buildCommandArea() {
    GroupBox3 = addGroup(this, "", {8, 475, 625, 78});
    Button2 = addButton<WrapButton>(GroupBox3, "<<<", {8, 21, 25, 25});
    Button18 = addButton<WrapButton>(GroupBox3, ">>>", {32, 21, 25, 25});
    Button3 = addButton(GroupBox3, "Edit", {8, 45, 49, 25});
    Button1 = addButton(GroupBox3, "New", {56, 21, 49, 25});
    Button13 = addButton(GroupBox3, "Clear", {56, 45, 49, 25});
    Button4 = addButton(GroupBox3, "Save", {104, 21, 49, 25});
    Button14 = addButton(GroupBox3, "Delete", {104, 45, 49, 25});

    GroupBox1 = addGroup(GroupBox3, "Size", {160, 8, 105, 63});
    Label1 = addLabel(GroupBox1, "X", {4, 18});
    Label2 = addLabel(GroupBox1, "Y", {4, 42});
    tancho = addField(GroupBox1, {16, 14, 33, 21});
    talto = addField(GroupBox1, {16, 38, 33, 21});
    Button5 = addButton(GroupBox1, "Change", {56, 32, 41, 25});

    GroupBox2 = addGroup(GroupBox3, "Colors", {272, 8, 113, 63});
    Button6 = addButton(GroupBox2, "Picture", {8, 24, 49, 17});
    Button7 = addButton(GroupBox2, "Back1", {8, 40, 49, 17});
    Button8 = addButton(GroupBox2, "Back2", {56, 8, 49, 17});
    Button9 = addButton(GroupBox2, "Line1", {56, 24, 49, 17});
    Button10 = addButton(GroupBox2, "Line2", {56, 40, 49, 17});

    GroupBox4 = addGroup(GroupBox3, "Guide image", {392, 8, 129, 63});
    Button11 = addButton(GroupBox4, "Show", {8, 17, 57, 20});
    Button12 = addButton(GroupBox4, "Hide", {8, 36, 57, 20});
    Button15 = addButton(GroupBox4, "Resize", {64, 16, 57, 20});
    Button16 = addButton<WrapButton>(GroupBox3, "Import Picture", {536, 9, 65, 33});
    Button17 = addButton<WrapButton>(GroupBox3, "Export Picture", {536, 41, 65, 32});
    // F7 has no button of its own; it is named where a picture is made final.
    Button4->setToolTip(QStringLiteral("Store the picture in the library. Press F7 first to check that its clues "
                                       "have exactly one solution."));
    Button17->setToolTip(QStringLiteral("Write the picture to a .gpe file. Press F7 first to check that its clues "
                                        "have exactly one solution."));
}

void TFcpintura::buildSelectPanel() {
    gp1 = new QFrame(this);
    gp1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    gp1->setLineWidth(1);
    gp1->setAutoFillBackground(true);
    gp1->setGeometry(232, 280, 193, 97);

    S1 = addLabel(gp1, "Select Picture", {16, 8});
    cb1 = new QComboBox(gp1);
    cb1->setEditable(true);
    // Return in the edit box must not add what was typed to the list: the
    // entries are exactly the library's pictures.
    cb1->setInsertPolicy(QComboBox::NoInsert);
    cb1->setGeometry(24, 32, 153, 21);
    cb1->setEditText(QStringLiteral("Select"));
    Button19 = addButton(gp1, "Load", {56, 64, 81, 25});
    gp1->hide();
}

void TFcpintura::connectHandlers() {
    for (const ButtonHandler& entry : kButtonHandlers) {
        const auto handler = entry.handler;
        connect(this->*entry.control, &QPushButton::clicked, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    }

    // The size texts the rules read are the user's own typing.
    connect(tancho, &QLineEdit::textEdited, this, [this](const QString& text) { state_.widthText = text.toStdString(); });
    connect(talto, &QLineEdit::textEdited, this, [this](const QString& text) { state_.heightText = text.toStdString(); });
    // Return in either size field presses "Change".
    for (QLineEdit* field : {tancho, talto}) {
        connect(field, &QLineEdit::returnPressed, this, [this] { runGuarded([this] { Button5Click(); }); });
    }

    frameTimer_->onTick([this] { runGuarded([this] { Timer1Timer(); }); });

    // The left, right and middle buttons paint alike.
    Image1->onPress = [this](Qt::MouseButton button, int x, int y) {
        if (isPaintingButton(button)) runGuarded([&] { posiciona(x, y); });
    };
    Image1->onMove = [this](int x, int y) { runGuarded([&] { Image1MouseMove(x, y); }); };
    Image1->onRelease = [this] { runGuarded([this] { Image1MouseUp(); }); };
}

}  // namespace mosarin
