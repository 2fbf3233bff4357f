#pragma once
// The "按上期条件" page: the relative panel and the reference it reads, the newest draw of
// the history, kept up to date with every import or deletion.

#include <QWidget>

#include "conditions/relative/relative.h"
#include "core/digit_table.h"

namespace torvane::ui {

class PageHost;
class RelativePanel;

class RelativePage : public QWidget {
  Q_OBJECT
 public:
  explicit RelativePage(PageHost& host, QWidget* parent = nullptr);

  RelativePanel* panel() const { return panel_; }

  // What a run reads: the newest draw when rows are applied, nothing when none is; false after
  // telling the player there is no history to read it from.
  bool readReference(const RelativeState& rows, DigitTable& reference);

 protected:
  // Reads the history when first shown, as the history pages do.
  void showEvent(QShowEvent* e) override;

 private:
  void showReference();

  PageHost& host_;
  RelativePanel* panel_ = nullptr;
};

}  // namespace torvane::ui
