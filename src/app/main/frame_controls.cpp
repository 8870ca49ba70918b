#include "app/main/frame_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <algorithm>

#include "app/caption_room.h"
#include "app/main/offset_combo_box.h"
#include "app/tform1.h"
#include "catalogue/catalogue.h"
#include "qt/qt_text.h"
#include "shell/card_editor_shell.h"

namespace orvane {

namespace {

constexpr int captionFrame1Alignment = 1046;
constexpr int captionFrame2Alignments = 1004;
constexpr int hintFrame1Alignment = 1169;
constexpr int hintFrame2Alignment = 1170;
constexpr int hintFrame2Placement = 1171;
const QColor warningBackground = Qt::red;

// The four size and position lists of a frame group stand in one column, one under the other.
constexpr int listLeft = 6;
constexpr int listWidth = 130;
constexpr int listHeight = 22;
constexpr std::array listTops{18, 42, 66, 90};

// The warning line stands under the buttons; a text longer than it holds grows it upwards, into the
// room the buttons leave, and its bottom edge stays.
constexpr QRect warningPlace{142, 100, 122, 46};

// Frame 2's text alignment and frame placement lists share one row, this far apart.
constexpr QRect frame2AlignmentPlace{6, 132, 62, 22};
constexpr QRect frame2PlacementPlace{72, 132, 64, 22};
constexpr int rowGap = frame2PlacementPlace.x() - (frame2AlignmentPlace.x() + frame2AlignmentPlace.width());

}  // namespace

FrameControls::FrameControls(CardEditorShell& shell, TForm1& cardWindow, QGroupBox& frame1Group,
                             QGroupBox& frame2Group, QObject* parent)
    : QObject(parent), shell_(shell), cardWindow_(cardWindow) {
  using Handler = void (FrameControls::*)();
  struct GeometryList {
    ControlList frame1;
    Handler frame1Handler;
    ControlList frame2;
    Handler frame2Handler;
  };
  const GeometryList geometryLists[] = {
      {frame1WidthList, &FrameControls::combobox1keyup, frame2WidthList, &FrameControls::combobox2keyup},
      {frame1LengthList, &FrameControls::combobox3keyup, frame2LengthList, &FrameControls::combobox4keyup},
      {frame1LeftList, &FrameControls::combobox14_keyup, frame2LeftList, &FrameControls::combobox15_keyup},
      {frame1TopList, &FrameControls::combobox7keyup, frame2TopList, &FrameControls::combobox8keyup},
  };
  for (std::size_t row = 0; row < listTops.size(); ++row) {
    const QRect geometry(listLeft, listTops[row], listWidth, listHeight);
    addList(geometryLists[row].frame1, geometry, frame1Group, geometryLists[row].frame1Handler);
    addList(geometryLists[row].frame2, geometry, frame2Group, geometryLists[row].frame2Handler);
  }
  addList(frame1AlignmentList, {6, 132, 130, 22}, frame1Group, &FrameControls::combobox5keyup);
  addList(frame2AlignmentList, frame2AlignmentPlace, frame2Group, &FrameControls::combobox6keyup);
  addList(frame2PlacementList, frame2PlacementPlace, frame2Group, &FrameControls::combobox13keyup);

  frame1AlignmentCaption_ = addLabel("Label3", {6, 114, 130, 16}, frame1Group);
  frame2AlignmentCaption_ = addLabel("Label2", {6, 114, 130, 16}, frame2Group);
  warningLines_[0] = addLabel("Label4", warningPlace, frame1Group);
  warningLines_[1] = addLabel("Label7", warningPlace, frame2Group);
  for (QLabel* warningLine : warningLines_) {
    warningLine->setWordWrap(true);
    warningLine->hide();
  }
  fill(language());
}

void FrameControls::addList(ControlList list, QRect geometry, QGroupBox& group,
                            void (FrameControls::*handler)()) {
  auto* control = new OffsetComboBox(list, geometry, &group);
  connect(control, &OffsetComboBox::confirmed, this, handler);
  lists_.at(list) = control;
}

QLabel* FrameControls::addLabel(const char* name, QRect geometry, QGroupBox& group) {
  auto* label = new QLabel(&group);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

Language FrameControls::language() const { return shell_.state().interfaceLanguage; }

void FrameControls::fill(Language language) {
  for (OffsetComboBox* list : lists_)
    if (list) list->fill(language);
  auto text = [language](int id) { return toQString(catalogue::text(language, id)); };
  lists_[frame1AlignmentList]->setToolTip(text(hintFrame1Alignment));
  lists_[frame2AlignmentList]->setToolTip(text(hintFrame2Alignment));
  lists_[frame2PlacementList]->setToolTip(text(hintFrame2Placement));
  frame1AlignmentCaption_->setText(text(captionFrame1Alignment));
  frame2AlignmentCaption_->setText(text(captionFrame2Alignments));
  placeFrame2AlignmentRow();
}

void FrameControls::placeFrame2AlignmentRow() {
  // Each list is as wide as its items need in this language, at least as designed (each is measured
  // at its designed width, so that a shorter language gives the room back); the second follows the first.
  OffsetComboBox* alignment = lists_[frame2AlignmentList];
  OffsetComboBox* placement = lists_[frame2PlacementList];
  alignment->setGeometry(frame2AlignmentPlace);
  alignment->resize(widthForCaption(*alignment), frame2AlignmentPlace.height());
  placement->setGeometry(frame2PlacementPlace);
  placement->setGeometry(alignment->x() + alignment->width() + rowGap, frame2PlacementPlace.y(),
                         widthForCaption(*placement), frame2PlacementPlace.height());
}

std::string FrameControls::shownText(ControlList list) const {
  return toStdString(lists_.at(list)->currentText());
}

void FrameControls::showFrameWarning(int number, const std::string& text) {
  QLabel* warningLine = warningLines_.at(number - 1);
  QPalette palette = warningLine->palette();
  palette.setColor(QPalette::Window, warningBackground);
  warningLine->setPalette(palette);
  warningLine->setAutoFillBackground(true);
  warningLine->setText(toQString(text));
  const int height = std::max(warningPlace.height(), warningLine->heightForWidth(warningPlace.width()));
  warningLine->setGeometry(warningPlace.x(), warningPlace.bottom() + 1 - height, warningPlace.width(),
                           height);
  warningLine->show();
}

void FrameControls::clearFrameWarning(int number) {
  QLabel* warningLine = warningLines_.at(number - 1);
  warningLine->clear();
  warningLine->hide();
}

void FrameControls::geometryKeyUp(ControlList list) {
  const FrameWarning warning = changeFrameGeometry(shell_.card(), list, shownText(list), language());
  if (warning)
    showFrameWarning(frameOfControl(list), *warning);
  else
    clearFrameWarning(frameOfControl(list));
  afterChange(list);
}

void FrameControls::alignmentKeyUp(ControlList list) {
  alignFrameText(shell_.card(), frameOfControl(list), shownText(list), language());
  afterChange(list);
  // The whole text was selected to align it; both frames are left with no selection.
  cardWindow_.showFrameTops();
}

void FrameControls::combobox13keyup() {
  placeFrame2(shell_.card(), shownText(frame2PlacementList), language());
  afterChange(frame2PlacementList);
}

void FrameControls::afterChange(ControlList list) {
  // No frame control asks for a re-layout or a move of the main window: only the notice can follow.
  shell_.afterControlChange(list);
  cardWindow_.showModel();
  cardWindow_.rpaint();
}

}  // namespace orvane
