// 从网址更新…: the draw file downloaded on a worker thread, its progress shown with 取消,
// then merged as an import. Every failure leaves the store as it was.

#include <QLabel>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "net/draw_download.h"
#include "ui/draws/history_page.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

namespace {

const QString kUpdateTitle = QStringLiteral("从网址更新");
const QString kAddressKey = QStringLiteral("history/updateAddress");

}  // namespace

// Shared by the page and the worker thread; the worker writes only the atomics and, before it
// ends, `result`.
struct HistoryPage::Download {
  std::string address;
  std::atomic<bool> cancel{false};
  std::atomic<std::uint64_t> received{0};
  std::atomic<std::uint64_t> total{0};
  net::DrawDownload result;
};

namespace {

// Stops a download the page no longer waits for (the page closing).
class CancelOnDestroy : public QObject {
 public:
  CancelOnDestroy(QObject* parent, std::weak_ptr<std::atomic<bool>> flag)
      : QObject(parent), flag_(std::move(flag)) {}
  ~CancelOnDestroy() override {
    if (auto f = flag_.lock()) *f = true;
  }

 private:
  std::weak_ptr<std::atomic<bool>> flag_;
};

QString KiB(std::uint64_t bytes) {
  return QString::number((bytes + 1023) / 1024);
}

}  // namespace

void HistoryPage::updateFromAddress() {
  if (download_ || !openStore()) return;
  QSettings settings;
  const QString address = dialogs_
                              .askText(this, kUpdateTitle,
                                       QStringLiteral("开奖文件的网址（http:// 或 https://，"
                                                      "每行一期的文本或 CSV 文件，不是网页）："),
                                       settings.value(kAddressKey).toString())
                              .trimmed();
  if (address.isEmpty()) return;
  settings.setValue(kAddressKey, address);

  auto job = std::make_shared<Download>();
  job->address = address.toStdString();
  download_ = job;

  progress_ = new QProgressDialog(QStringLiteral("正在下载 %1 …").arg(address),
                                  QStringLiteral("取消"), 0, 0, this);
  progress_->setObjectName(QStringLiteral("dlgHistoryDownload"));
  progress_->setWindowTitle(kUpdateTitle);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(0);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  // The box outlives progress_ by a moment (deleteLater): its handlers use their own pointer.
  QProgressDialog* box = progress_;
  connect(box, &QProgressDialog::canceled, box, [box, job] {
    job->cancel = true;
    box->setLabelText(QStringLiteral("正在取消下载…"));
  });
  box->show();

  // The progress box follows the worker's counters; the worker never touches a widget.
  auto* ticker = new QTimer(box);
  connect(ticker, &QTimer::timeout, box, [box, job] {
    if (job->cancel) return;
    const std::uint64_t got = job->received, total = job->total;
    if (total > 0) {
      box->setMaximum(static_cast<int>((total + 1023) / 1024));
      box->setValue(static_cast<int>(std::min(got, total) / 1024));
    }
    box->setLabelText(QStringLiteral("正在下载 %1 …\n已收到 %2 KB")
                          .arg(QString::fromStdString(job->address), KiB(got)));
  });
  ticker->start(100);

  // Closing the page (which deletes the progress box) stops the download too.
  new CancelOnDestroy(box, std::shared_ptr<std::atomic<bool>>(job, &job->cancel));

  QThread* worker = QThread::create([job] {
    job->result = net::DownloadDrawFile(job->address, net::DownloadLimits{},
                                        [job](std::uint64_t received, std::uint64_t total) {
                                          job->received = received;
                                          job->total = total;
                                          return !job->cancel;
                                        });
  });
  connect(worker, &QThread::finished, worker, &QObject::deleteLater);
  connect(worker, &QThread::finished, this, &HistoryPage::finishDownload);
  worker->start();
}

void HistoryPage::finishDownload() {
  const std::shared_ptr<Download> job = std::move(download_);
  download_.reset();
  if (progress_) {
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
  }
  if (!job) return;
  const net::DrawDownload& got = job->result;
  const QString address = QString::fromStdString(job->address);
  if (got.download.failure == net::DownloadFailure::Cancelled || (job->cancel && !got.ok())) {
    status_->setText(QStringLiteral("已取消下载，历史库没有改动"));
    return;
  }
  if (!got.downloaded()) {
    const std::string& why = got.error.empty() ? got.download.message : got.error;
    dialogs_.warning(
        this, kUpdateTitle,
        QStringLiteral("没有更新：%1\n历史库没有改动。").arg(QString::fromStdString(why)));
    return;
  }
  // A text that is not a draw file is refused by the merge with the reader's own words.
  history::DrawFileResult read = got.read;
  if (!read.ok && !got.error.empty()) read.error = got.error;
  mergeDraws(read, address);
}

}  // namespace torvane::ui
