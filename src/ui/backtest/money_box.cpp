#include "ui/backtest/money_box.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

namespace torvane::ui {

namespace {

constexpr auto kPriceKey = "backtest/price";
constexpr auto kPrizeKey = "backtest/prize";
constexpr auto kMultipleKey = "backtest/multiple";
constexpr auto kHoldoutKey = "backtest/holdout";
// Far above any real price or prize, far below where yuan × draws would overflow.
constexpr qint64 kMaxYuan = 1'000'000'000;

// A positive whole number up to kMaxYuan; none for anything else.
std::optional<qint64> Whole(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  const qint64 v = t.toLongLong(&ok);
  if (!ok || v < 1 || v > kMaxYuan || t.startsWith(QLatin1Char('+'))) return std::nullopt;
  return v;
}

}  // namespace

ChoicesRead ReadChoices(const QString& price, const QString& prize, const QString& multiple,
                        const QString& holdout) {
  auto refuse = [](const QString& box, const QString& text) {
    return ChoicesRead{
        std::nullopt,
        QStringLiteral("“%1”填的是“%2”，应为正整数（1、2、3……）。").arg(box, text.trimmed())};
  };
  BacktestChoices c;
  const auto p = Whole(price);
  if (!p) return refuse(QStringLiteral("每注价格"), price);
  c.money.price = *p;
  if (!prize.trimmed().isEmpty()) {
    const auto w = Whole(prize);
    if (!w) return refuse(QStringLiteral("直选奖金"), prize);
    c.money.prize = *w;
  }
  const auto m = Whole(multiple);
  if (!m) return refuse(QStringLiteral("倍数"), multiple);
  c.money.multiple = *m;
  if (const QString h = holdout.trimmed(); !h.isEmpty() && h != QStringLiteral("0")) {
    const auto held = Whole(h);
    if (!held || *held > 1'000'000) return refuse(QStringLiteral("留出最近几期检验"), holdout);
    c.holdout = static_cast<int>(*held);
  }
  return {c, QString()};
}

MoneyBox::MoneyBox(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  const QSettings settings;
  auto box = [&](const char* name, const char* label, const char* key, const QString& start,
                 const char* hint, const char* tip) {
    auto* edit = new QLineEdit(settings.value(QLatin1String(key), start).toString(), this);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(QString::fromUtf8(hint));
    edit->setToolTip(QString::fromUtf8(tip));
    // Wide enough for ten digits and for the grey hint, with the frame's margins.
    const QFontMetrics fm = edit->fontMetrics();
    edit->setMaximumWidth(std::max(fm.horizontalAdvance(QStringLiteral("0000000000")),
                                   fm.horizontalAdvance(edit->placeholderText()) +
                                       fm.horizontalAdvance(QLatin1Char('0')) * 2));
    auto* caption = new QLabel(QString::fromUtf8(label), this);
    caption->setBuddy(edit);
    row->addWidget(caption);
    row->addWidget(edit);
    return edit;
  };
  price_ = box("txtBacktestPrice", "每注", kPriceKey, QStringLiteral("2"), "2",
               "每注价格（元），正整数");
  row->addWidget(new QLabel(QStringLiteral("元"), this));
  prize_ = box("txtBacktestPrize", "奖金", kPrizeKey, QString(), "按开奖记录",
               "直选中奖一注的奖金（元）；空着：按各期开奖记录里的奖金，没有记录时 100000 元");
  multiple_ = box("txtBacktestMultiple", "倍数", kMultipleKey, QStringLiteral("1"), "1",
                  "每注买几倍，正整数");
  holdout_ = box("txtBacktestHoldout", "留出最近", kHoldoutKey, QString(), "不留",
                 "留出最近 H 期检验：条件和容错只按更早的期来看，最近 H 期单独检验；"
                 "空着或 0 为不留");
  row->addWidget(new QLabel(QStringLiteral("期检验"), this));
  for (QLineEdit* e : {price_, prize_, multiple_, holdout_})
    connect(e, &QLineEdit::editingFinished, this, &MoneyBox::remember);
}

ChoicesRead MoneyBox::read() const {
  return ReadChoices(price_->text(), prize_->text(), multiple_->text(), holdout_->text());
}

void MoneyBox::remember() const {
  QSettings settings;
  settings.setValue(QLatin1String(kPriceKey), price_->text().trimmed());
  settings.setValue(QLatin1String(kPrizeKey), prize_->text().trimmed());
  settings.setValue(QLatin1String(kMultipleKey), multiple_->text().trimmed());
  settings.setValue(QLatin1String(kHoldoutKey), holdout_->text().trimmed());
}

}  // namespace torvane::ui

#include "moc_money_box.cpp"
