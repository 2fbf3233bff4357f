#pragma once
// The "说明" buttons: help text blocks in a message box, or the banker help picture.

#include <QObject>
#include <QPointer>
#include <string>

class QWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class HelpPictureWindow;

class ConditionHelp : public QObject {
  Q_OBJECT
 public:
  ConditionHelp(Dialogs& dialogs, QWidget* window);

  // Loads the help document; the window calls it once, shortly after start-up.
  void load();
  // The action of help button index (0..23); other indexes do nothing.
  void showConditionHelp(int index);
  // The block of key in a "温馨提示" box, or "没有找到此说明数据".
  void showHelpText(const QString& key);
  // Opens (or brings up) the modeless picture window "胆组说明界面".
  void showHelpPicture();

  // The picture window once it was opened, else null.
  HelpPictureWindow* pictureWindow() const;

 private:
  Dialogs& dialogs_;
  QWidget* window_;
  std::string document_;  // UTF-8, as loaded
  QPointer<HelpPictureWindow> picture_;
};

}  // namespace torvane::ui
