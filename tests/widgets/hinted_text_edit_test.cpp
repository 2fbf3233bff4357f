#include "widgets/hinted_text_edit.h"

#include <gtest/gtest.h>

namespace torvane::widgets {


namespace {

TEST(HintedTextEdit, ShowsHintOnlyWhileEmpty) {
  HintedTextEdit box;
  box.setHint(QStringLiteral("和数值输入要保持两位数"));
  EXPECT_TRUE(box.showsHint());
  box.hideHint();
  EXPECT_EQ(box.text(), QString());
  box.setText(QStringLiteral(" \n "));
  box.showHintIfEmpty();
  EXPECT_TRUE(box.showsHint());
  box.setText(QStringLiteral("01 02"));
  box.showHintIfEmpty();
  EXPECT_EQ(box.text(), QStringLiteral("01 02"));
}

TEST(HintedTextEdit, PasteHandlerGetsTheMergedText) {
  HintedTextEdit box;
  QString merged;
  box.setPasteHandler([&](const QString& m) { merged = m; });
  box.setPlainText(QStringLiteral("11111 33333"));
  QTextCursor c = box.textCursor();
  c.setPosition(6);
  box.setTextCursor(c);
  box.insertPlainText(QString());  // not a paste
  EXPECT_TRUE(merged.isEmpty());
}

}  // namespace
}  // namespace torvane::widgets
