#include "ui/shell/condition_help.h"

#include <QFile>
#include <QWidget>

#include "help/help_document.h"
#include "ui/shell/help_picture_window.h"
#include "widgets/dialogs.h"

// The help resources live in a static library; nothing else references them, so they are
// pulled in by name. Q_INIT_RESOURCE must be used outside any namespace.
static void InitHelpResources() {
  Q_INIT_RESOURCE(help);
}

namespace torvane::ui {

using widgets::Dialogs;

namespace {

const QString kDocumentResource = QStringLiteral(":/help/help_document.gbk");
const QString kPictureResource = QStringLiteral(":/help/banker_help.jpg");

QByteArray ReadResource(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

}  // namespace

ConditionHelp::ConditionHelp(Dialogs& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window) {
  InitHelpResources();
}

void ConditionHelp::load() {
  QByteArray gbk = ReadResource(kDocumentResource);
  document_ = DecodeGbkText(std::string_view(gbk.constData(), static_cast<size_t>(gbk.size())));
}

void ConditionHelp::showConditionHelp(int index) {
  if (index < 0 || index >= kHelpButtonCount) return;
  if (index == kHelpPictureIndex) {
    showHelpPicture();
    return;
  }
  std::string_view key = HelpKeyForIndex(index);
  showHelpText(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

void ConditionHelp::showHelpText(const QString& key) {
  QString message = QStringLiteral("没有找到此说明数据");
  if (auto block = FindHelpBlock(document_, key.toStdString())) {
    message = QString::fromStdString(*block);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  dialogs_.plain(window_, QStringLiteral("温馨提示"), message);
}

HelpPictureWindow* ConditionHelp::pictureWindow() const {
  return picture_.data();
}

void ConditionHelp::showHelpPicture() {
  if (!picture_) picture_ = new HelpPictureWindow(ReadResource(kPictureResource), window_);
  picture_->show();
  picture_->raise();
  picture_->activateWindow();
}

}  // namespace torvane::ui

#include "moc_condition_help.cpp"
