#pragma once
// The "按上期条件" page: the relative panel and the reference it reads, the newest draw of
// the history, kept up to date with every import or deletion.

#include <QWidget>

namespace torvane::ui {

class PageHost;
class RelativePanel;

class RelativePage : public QWidget {
  Q_OBJECT
 public:
  explicit RelativePage(PageHost& host, QWidget* parent = nullptr);

  RelativePanel* panel() const { return panel_; }

 protected:
  // Reads the history when first shown, as the history pages do.
  void showEvent(QShowEvent* e) override;

 private:
  void showReference();

  PageHost& host_;
  RelativePanel* panel_ = nullptr;
};

}  // namespace torvane::ui
