// Message boxes and file choosers: the answerer seams and the real dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "platform/FileChooser.h"
#include "platform/Messages.h"

namespace {

using ui::TFileChooser;

const QString kSaveFilter = QString::fromUtf8("ﾚｽﾗｰﾌｧｲﾙ(*.rsp)|*.rsp;*.RSP|HTML ドキュメント|*.html;*.htm");

// Runs `inspect` on the modal window that shows up next; fails when none
// does.
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> inspect) : inspect_(std::move(inspect)) { Poll(); }
  ~ModalWatcher() { EXPECT_TRUE(seen_) << "no modal window appeared"; }

 private:
  void Poll() {
    QTimer::singleShot(20, qApp, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        seen_ = true;
        inspect_(modal);
      } else if (++tries_ < 200) {
        Poll();
      }
    });
  }
  std::function<void(QWidget*)> inspect_;
  bool seen_ = false;
  int tries_ = 0;
};

// --- Messages ------------------------------------------------------------------

TEST(PlatformMessages, AnswererReceivesTheTextAndNoBoxShows) {
  QStringList seen;
  ui::SetMessageAnswerer([&](const QString& text) { seen.append(text); });
  ui::ShowMessage(QString::fromUtf8("CPが足りません"));
  ui::ShowMessageUtf8("ロープ★スパーク");
  ui::SetMessageAnswerer({});
  EXPECT_EQ(seen, (QStringList{QString::fromUtf8("CPが足りません"), QString::fromUtf8("ロープ★スパーク")}));
}

TEST(PlatformMessages, BoxIsModalWithTheProgramTitleAndOnlyOk) {
  ModalWatcher watcher([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("もんてぐら"));
    EXPECT_EQ(box->text(), QString::fromUtf8("<b>そのまま</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
  });
  ui::ShowMessage(QString::fromUtf8("<b>そのまま</b>"));
}

// --- File chooser ----------------------------------------------------------------

TEST(PlatformFileChooser, QtFiltersKeepTheDescriptionAndListThePatterns) {
  struct Case {
    const char* classic;
    QStringList qt;
  } cases[] = {
      {"ﾚｽﾗｰﾌｧｲﾙ(*.rsp)|*.rsp;*.RSP|HTML ドキュメント|*.html;*.htm",
       {QString::fromUtf8("ﾚｽﾗｰﾌｧｲﾙ(*.rsp) (*.rsp *.RSP)"), QString::fromUtf8("HTML ドキュメント (*.html *.htm)")}},
      {"すべてのﾌｧｲﾙ (*.bmp;*.ico)|*.bmp;*.ico|ｱｲｺﾝ (*.ico)|*.ico",
       {QString::fromUtf8("すべてのﾌｧｲﾙ (*.bmp;*.ico) (*.bmp *.ico)"), QString::fromUtf8("ｱｲｺﾝ (*.ico) (*.ico)")}},
      {"", {}},
      {"Any", {QStringLiteral("Any (*)")}},
  };
  for (const auto& c : cases) EXPECT_EQ(TFileChooser::QtFilters(QString::fromUtf8(c.classic)), c.qt) << c.classic;
}

class FileChooserAnswers : public ::testing::Test {
 protected:
  void TearDown() override { TFileChooser::SetAnswerer({}); }
};

TEST_F(FileChooserAnswers, CancelChangesNothing) {
  TFileChooser chooser(TFileChooser::Mode::Save, kSaveFilter);
  chooser.SetFileName(QStringLiteral("/tmp/old.rsp"));
  int typeChanges = 0;
  chooser.SetOnTypeChange([&](TFileChooser&) { ++typeChanges; });
  TFileChooser::SetAnswerer([](const TFileChooser&) { return TFileChooser::Answer{QString(), 2}; });
  EXPECT_FALSE(chooser.Execute());
  EXPECT_EQ(chooser.FileName(), "/tmp/old.rsp");
  EXPECT_EQ(chooser.FilterIndex(), 1);
  EXPECT_EQ(typeChanges, 0);
}

TEST_F(FileChooserAnswers, ChosenNameGetsTheDefaultExtensionOfTheChosenType) {
  TFileChooser chooser(TFileChooser::Mode::Save, kSaveFilter);
  chooser.SetDefaultExt(QStringLiteral("rsp"));
  chooser.SetOnTypeChange([](TFileChooser& c) {
    c.SetDefaultExt(c.FilterIndex() == 2 ? QStringLiteral("html") : QStringLiteral("rsp"));
  });
  struct Case {
    const char* name;
    int type;
    const char* stored;
  } cases[] = {
      {"/d/taro", 1, "/d/taro"  ".rsp"}, {"/d/taro.txt", 1, "/d/taro.txt"},
      {"/d/a.b/taro", 1, "/d/a.b/taro.rsp"}, {"/d/sheet", 2, "/d/sheet.html"},
      {"/d/sheet", 1, "/d/sheet.rsp"},
  };
  for (const auto& c : cases) {
    TFileChooser::SetAnswerer([&c, &chooser](const TFileChooser& asked) {
      EXPECT_EQ(&asked, &chooser);
      return TFileChooser::Answer{QString::fromUtf8(c.name), c.type};
    });
    ASSERT_TRUE(chooser.Execute());
    EXPECT_EQ(chooser.FileName(), QString::fromUtf8(c.stored)) << c.name;
    EXPECT_EQ(chooser.FilterIndex(), c.type);
  }
}

TEST(PlatformFileChooser, RealDialogStartsAtTheNameAndStoresTheChoice) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TFileChooser chooser(TFileChooser::Mode::Save, kSaveFilter);
  chooser.SetDefaultExt(QStringLiteral("html"));
  chooser.SetOverwritePrompt(true);
  chooser.SetFilterIndex(2);
  chooser.SetFileName(dir.filePath(QStringLiteral("old.html")));
  chooser.SetOnTypeChange([](TFileChooser& c) {
    c.SetDefaultExt(c.FilterIndex() == 2 ? QStringLiteral("html") : QStringLiteral("rsp"));
  });
  const QStringList filters = TFileChooser::QtFilters(kSaveFilter);

  ModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters(), filters);
    EXPECT_EQ(QDir(dialog->directory()), QDir(dir.path()));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(name, nullptr);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("old.html"));
    // The user sees the descriptions as written.
    EXPECT_EQ(types->currentText(), QString::fromUtf8("HTML ドキュメント"));
    EXPECT_EQ(types->itemText(0), QString::fromUtf8("ﾚｽﾗｰﾌｧｲﾙ(*.rsp)"));
    // Pick the character-file type, type a bare name, accept.
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Up);
    ASSERT_EQ(types->currentIndex(), 0);
    name->setText(QStringLiteral("taro"));
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Save)->click();
  });
  ASSERT_TRUE(chooser.Execute());
  EXPECT_EQ(chooser.FilterIndex(), 1);
  EXPECT_EQ(chooser.DefaultExt(), "rsp");
  EXPECT_EQ(chooser.FileName(), dir.filePath(QStringLiteral("taro.rsp")));
}

TEST(PlatformFileChooser, CancelledRealDialogKeepsTypeAndExtension) {
  TFileChooser chooser(TFileChooser::Mode::Open, QString::fromUtf8("ﾚｽﾗｰﾃﾞｰﾀ(*.rsp)|*.rsp;*.RSP|HTML|*.html"));
  chooser.SetDefaultExt(QStringLiteral("rsp"));
  chooser.SetOnTypeChange([](TFileChooser& c) { c.SetDefaultExt(QStringLiteral("html")); });
  ModalWatcher watcher([](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(QDir(dialog->directory()), QDir::current());
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    ASSERT_EQ(types->currentIndex(), 1);
    dialog->reject();
  });
  EXPECT_FALSE(chooser.Execute());
  EXPECT_EQ(chooser.FilterIndex(), 1);
  EXPECT_EQ(chooser.DefaultExt(), "rsp");
  EXPECT_TRUE(chooser.FileName().isEmpty());
}

}  // namespace
