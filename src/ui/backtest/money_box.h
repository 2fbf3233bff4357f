#pragma once
// The boxes of 条件回测 that go beyond the conditions: price, prize and multiple of the money
// view and the draws held out for the check. Remembered between starts.

#include <QString>
#include <QWidget>
#include <optional>

#include "run/money.h"

class QLineEdit;

namespace torvane::ui {

struct BacktestChoices {
  MoneyRules money;
  int holdout = 0;
};

// Reads the four box texts; the message names the box and says what it takes. prize and
// holdout may be empty (the draw's stored prize; no holdout).
struct ChoicesRead {
  std::optional<BacktestChoices> choices;
  QString problem;
};
ChoicesRead ReadChoices(const QString& price, const QString& prize, const QString& multiple,
                        const QString& holdout);

class MoneyBox : public QWidget {
  Q_OBJECT
 public:
  explicit MoneyBox(QWidget* parent = nullptr);

  ChoicesRead read() const;
  // Writes the boxes to the settings: a back-test remembers what it was made with.
  void remember() const;

  QLineEdit* priceBox() const { return price_; }
  QLineEdit* prizeBox() const { return prize_; }
  QLineEdit* multipleBox() const { return multiple_; }
  QLineEdit* holdoutBox() const { return holdout_; }

 private:
  QLineEdit* price_ = nullptr;
  QLineEdit* prize_ = nullptr;
  QLineEdit* multiple_ = nullptr;
  QLineEdit* holdout_ = nullptr;
};

}  // namespace torvane::ui
