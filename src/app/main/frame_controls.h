#pragma once
// The controls of the "CADRE 1" and "CADRE 2" groups that size, place and align the two frames, with
// each frame's warning line. Every change goes to the card model first, then the card window shows it.

#include <QObject>
#include <array>
#include <string>

#include "card/frame_controls.h"

class QGroupBox;
class QLabel;

namespace orvane {

class CardEditorShell;
class OffsetComboBox;
class TForm1;

class FrameControls : public QObject {
  Q_OBJECT
 public:
  /// Builds the controls into `frame1Group` and `frame2Group`, filled in the interface language.
  FrameControls(CardEditorShell& shell, TForm1& cardWindow, QGroupBox& frame1Group, QGroupBox& frame2Group,
                QObject* parent);

  /// Captions, hints and item lists in `language`; every list shows its neutral or first item again.
  void fill(Language language);

  /// The warning line of frame `number` turns red and shows `text`.
  void showFrameWarning(int number, const std::string& text);
  /// The warning line of frame `number` is emptied and hidden.
  void clearFrameWarning(int number);

  // Handlers.
  void combobox1keyup() { geometryKeyUp(frame1WidthList); }
  void combobox2keyup() { geometryKeyUp(frame2WidthList); }
  void combobox3keyup() { geometryKeyUp(frame1LengthList); }
  void combobox4keyup() { geometryKeyUp(frame2LengthList); }
  void combobox7keyup() { geometryKeyUp(frame1TopList); }
  void combobox8keyup() { geometryKeyUp(frame2TopList); }
  void combobox14_keyup() { geometryKeyUp(frame1LeftList); }
  void combobox15_keyup() { geometryKeyUp(frame2LeftList); }
  void combobox5keyup() { alignmentKeyUp(frame1AlignmentList); }
  void combobox6keyup() { alignmentKeyUp(frame2AlignmentList); }
  void combobox13keyup();

 private:
  void addList(ControlList list, QRect geometry, QGroupBox& group, void (FrameControls::*handler)());
  QLabel* addLabel(const char* name, QRect geometry, QGroupBox& group);
  void geometryKeyUp(ControlList list);
  void alignmentKeyUp(ControlList list);
  void placeFrame2AlignmentRow();
  /// The common follow-up of `list`, then the card window shows the model again.
  void afterChange(ControlList list);
  std::string shownText(ControlList list) const;
  Language language() const;

  CardEditorShell& shell_;
  TForm1& cardWindow_;
  std::array<OffsetComboBox*, frame2LeftList + 1> lists_{};  // by control number
  std::array<QLabel*, 2> warningLines_{};                    // Label4, Label7
  QLabel* frame1AlignmentCaption_ = nullptr;                 // Label3
  QLabel* frame2AlignmentCaption_ = nullptr;                 // Label2
};

}  // namespace orvane
