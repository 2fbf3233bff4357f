#pragma once
// Small builders shared by the condition panels: named, compact controls so that every
// panel of the main page fits on one screen.

#include <QGroupBox>
#include <QString>

#include "widgets/selectable_button.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace torvane::ui {

using widgets::Highlight;

// Control-array name as the window uses it: "cmd_dw(12)".
inline QString ArrayName(const char* base, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

constexpr int kCellSize = 22;  // digit and "全"/"清" buttons

// A push button sized to its caption (at least minWidth), kCellSize high.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        int minWidth = kCellSize);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption);
QLabel* MakeGreyLabel(QWidget* parent, const QString& name, const QString& caption);
QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& caption);
// Selected (Tag "1", coloured) or cleared, whatever it was.
void ShowSelected(QAbstractButton* b, bool selected, Highlight color);
// Editable tolerance list Com_rc(index) with the items "0" … maxItem, showing "0".
QComboBox* MakeRangeCombo(QWidget* parent, int index, int maxItem);

// A condition frame. Its "说明" buttons emit helpRequested with their cmdEx index.
class PanelFrame : public QGroupBox {
  Q_OBJECT
 public:
  explicit PanelFrame(const QString& title, QWidget* parent = nullptr);

 signals:
  void helpRequested(int index);

 protected:
  QPushButton* helpButton(int index, QWidget* parent = nullptr);
};

}  // namespace torvane::ui
