// Builds the real main window in a temporary folder that holds small
// catalogs, and acts on it as a user would. Message boxes are answered by
// the fixture; one that nobody expected fails the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/TForm1.h"
#include "model/Sjis.h"
#include "platform/Messages.h"

namespace guitest {

inline const std::vector<std::string>& AllCatalogs() {
  static const std::vector<std::string> names = {"tokucho.tdb", "ginou.tdb", "waza.tdb"};
  return names;
}

// Code page 932 form of a UTF-8 literal, as the record holds it.
inline std::string Cp932(const char* utf8) { return sjis::Literal(utf8); }

class FormFixture : public ::testing::Test {
 protected:
  void SetUp() override { StartForm(AllCatalogs()); }

  void TearDown() override {
    form.reset();
    ui::SetMessageAnswerer({});
    if (!oldDir_.isEmpty()) QDir::setCurrent(oldDir_);
    EXPECT_TRUE(messages.isEmpty()) << "unexpected message: " << messages.join(" | ").toStdString();
  }

  // A fresh folder with the named fixture catalogs, made the current
  // folder, and a new window built and shown in it.
  void StartForm(const std::vector<std::string>& catalogs, bool show = true) {
    form.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    for (const std::string& name : catalogs) {
      QString from = QStringLiteral(MONTEGURA_FIXTURES "/gui/") + QString::fromStdString(name);
      ASSERT_TRUE(QFile::copy(from, dir_->filePath(QString::fromStdString(name)))) << name;
    }
    if (oldDir_.isEmpty()) oldDir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_->path()));
    messages.clear();
    ui::SetMessageAnswerer([this](const QString& text) { messages << text; });
    form = std::make_unique<TForm1>();
    if (show) {
      form->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
  }

  // Focus events arrive only while the window is active.
  void Activate() {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  template <class T = QWidget>
  T* Find(const char* name) {
    T* w = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Types text as a user would; characters outside ASCII arrive as key
  // events carrying their text, as an input method delivers them.
  static void Type(QWidget* w, const QString& text) {
    for (QChar c : text) {
      if (c == QLatin1Char('\n'))
        QTest::keyClick(w, Qt::Key_Return);
      else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  // Gives `w` the focus with a click, as a user moving into it.
  static void ClickInto(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, w->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); })) << w->objectName().toStdString();
  }

  // Runs `answer` on the next modal window once it is shown; the answer
  // must close it. Fails the test when none shows within five seconds.
  static void AnswerModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        timer->stop();
        timer->deleteLater();
        answer(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
          ADD_FAILURE() << "the modal window stayed open";
          d->reject();
        }
      } else if (clock.elapsed() > 5000) {
        timer->stop();
        timer->deleteLater();
        ADD_FAILURE() << "no modal window was shown";
      }
    });
    timer->start(10);
  }

  // Every message shown since the last call.
  QStringList TakeMessages() {
    QStringList m = messages;
    messages.clear();
    return m;
  }

  std::unique_ptr<TForm1> form;
  QStringList messages;

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString oldDir_;
};

}  // namespace guitest
