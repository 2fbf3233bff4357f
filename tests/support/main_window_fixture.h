#pragma once
// A fresh main window and scripted dialogs for every test; offscreen, no sleeps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "results/result_panel.h"
#include "support/fake_dialogs.h"
#include "ui/basesets/base_page.h"
#include "ui/shell/main_window.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::FakeDialogs;

using widgets::HintedTextEdit;

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>(dialogs);
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override { window.reset(); }

  template <class T>
  T* find(const QString& name) const {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  void click(const QString& name) { find<QPushButton>(name)->click(); }
  void clickTab(int i) { click(QStringLiteral("cmdTab(%1)").arg(i)); }
  void pressRun(int i) { click(QStringLiteral("cmdFilter(%1)").arg(i)); }

  HintedTextEdit* baseBox() const { return window->basePage()->box(); }
  QString baseCount() const { return window->basePage()->countLabel()->text(); }
  QLineEdit* tolerance(int i) const { return window->runPanel()->toleranceBox(i); }
  int resultCount() const { return window->resultPanel()->resultCount(); }

  // The box loses the focus, as when the player clicks elsewhere.
  static void leave(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(box, &out);
  }
  // A box that is not on screen is never left, so the base page comes to the front first.
  void typeBase(const QString& text) {
    window->show();
    if (window->currentPage() != window->basePage()) clickTab(0);
    baseBox()->setPlainText(text);
    leave(baseBox());
  }

  QString writeFile(const QString& name, const QByteArray& bytes) const {
    QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }

  QTemporaryDir dir;
  FakeDialogs dialogs;
  std::unique_ptr<MainWindow> window;
};

}  // namespace torvane::ui
