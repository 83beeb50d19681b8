#include "tests/editor/editor_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include "picture/library_file.h"
#include "picture/packed_rows.h"

namespace mosarin::testing {

TPictureRecord numberedPicture(int n) {
    CellGrid grid;
    grid.at(n, 1) = 1;
    TPictureRecord record;
    record.packedRows = packRows(grid);
    record.width = n + 4;
    record.height = n + 3;
    for (int slot = 0; slot < kColorSlots; ++slot) record.colors[slot] = kEditorColors[slot] + Color(n);
    return record;
}

std::vector<TPictureRecord> numberedPictures(int count) {
    std::vector<TPictureRecord> pictures;
    for (int n = 1; n <= count; ++n) pictures.push_back(numberedPicture(n));
    return pictures;
}

std::string libraryBytes(const std::vector<TPictureRecord>& pictures) {
    std::string bytes;
    for (const TPictureRecord& picture : pictures) bytes += formatPictureLine(picture);
    return bytes;
}

TPictureRecord blankNewPicture() {
    TPictureRecord blank;
    blank.packedRows.assign(kPackedLength, kEmptyGroup);
    blank.colors = kNewPictureColors;
    return blank;
}

TPictureRecord withCellFlipped(TPictureRecord record, int column, int row) {
    CellGrid grid;
    unpackRows(record.packedRows, grid);
    grid.at(column, row) = grid.at(column, row) == 0 ? 1 : 0;
    record.packedRows = packRows(grid);
    return record;
}

QPoint cellPoint(int column, int row) {
    return {kEditorBoardOrigin + kEditorCellSize * (column - 1) + 7, kEditorBoardOrigin + kEditorCellSize * (row - 1) + 7};
}

void typeInto(QLineEdit* field, const char* text) {
    field->setText(QString());
    QTest::keyClicks(field, QString::fromLatin1(text));
}

EditorRig::EditorRig(std::optional<std::string> bytes) {
    std::filesystem::create_directories(temp_ / "files");
    if (bytes) writeBytes(libraryFile(), *bytes);
    editor_ = std::make_unique<TFcpintura>(platform, QString::fromStdString(temp_.path().string()) + QLatin1Char('/'));
    editor_->Timer1->stop();
}

void EditorRig::goTo(int picture) {
    for (int n = 1; n < picture; ++n) editor_->Button18Click();
}

void EditorRig::paint(int column, int row) {
    editor_->posiciona(cellPoint(column, row).x(), cellPoint(column, row).y());
    editor_->Image1MouseUp();
}

bool EditorRig::activate() {
    editor_->show();
    QApplication::setActiveWindow(editor_.get());
    return QTest::qWaitForWindowActive(editor_.get());
}

}  // namespace mosarin::testing
