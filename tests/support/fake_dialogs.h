#pragma once
// Scripted dialogs: records every box and answers from queues, never blocks.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "widgets/dialogs.h"

namespace torvane::widgets {

struct DialogCall {
  QString kind;  // "information", "warning", "plain", "question", "questionWithCancel",
                 // "openFile", "chooseOpenFiles", "saveFile", "copyNotice", "editor", "askText"
  QString title;
  QString text;
};

class FakeDialogs : public Dialogs {
 public:
  std::vector<DialogCall> calls;
  std::deque<bool> answers;           // question(); Yes when empty
  std::deque<Answer> threeWay;        // questionWithCancel(); Cancel when empty
  std::deque<QString> files;          // openFile()/saveFile(); cancelled when empty
  std::deque<QStringList> fileLists;  // chooseOpenFiles(); cancelled when empty
  std::deque<QString> texts;          // askText(); cancelled when empty
  // Runs while a question is up, as the player's hand does while a modal box shows.
  std::function<void()> whileAsking;

  void information(QWidget*, const QString& title, const QString& text) override {
    calls.push_back({"information", title, text});
  }
  void warning(QWidget*, const QString& title, const QString& text) override {
    calls.push_back({"warning", title, text});
  }
  void plain(QWidget*, const QString& title, const QString& text) override {
    calls.push_back({"plain", title, text});
  }
  bool question(QWidget*, const QString& title, const QString& text, bool) override {
    calls.push_back({"question", title, text});
    if (whileAsking) whileAsking();
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  Answer questionWithCancel(QWidget*, const QString& title, const QString& text) override {
    calls.push_back({"questionWithCancel", title, text});
    if (whileAsking) whileAsking();
    if (threeWay.empty()) return Answer::Cancel;
    Answer a = threeWay.front();
    threeWay.pop_front();
    return a;
  }
  QString openFile(QWidget*, const QString& filter) override {
    calls.push_back({"openFile", QString(), filter});
    return next();
  }
  QStringList chooseOpenFiles(QWidget*, const QString& filter) override {
    calls.push_back({"chooseOpenFiles", QString(), filter});
    if (fileLists.empty()) return {};
    QStringList f = fileLists.front();
    fileLists.pop_front();
    return f;
  }
  QString saveFile(QWidget*, const QString& filter, const QString&) override {
    calls.push_back({"saveFile", QString(), filter});
    return next();
  }
  void copyNotice(QWidget*) override { calls.push_back({"copyNotice", QString(), QString()}); }
  void openTextEditor(QWidget*, const QString& title, const QString& text) override {
    calls.push_back({"editor", title, text});
  }
  QString askText(QWidget*, const QString& title, const QString& label,
                  const QString& initial) override {
    calls.push_back({"askText", title, label + QLatin1Char('|') + initial});
    if (texts.empty()) return QString();
    QString t = texts.front();
    texts.pop_front();
    return t;
  }

  const DialogCall* last() const { return calls.empty() ? nullptr : &calls.back(); }
  QString lastText() const { return calls.empty() ? QString() : calls.back().text; }
  void reset() { calls.clear(); }

 private:
  QString next() {
    if (files.empty()) return QString();
    QString f = files.front();
    files.pop_front();
    return f;
  }
};

}  // namespace torvane::widgets
