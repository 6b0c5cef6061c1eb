// The New command: every panel back to a new character.
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "FormFixture.h"
#include "platform/Text.h"

using guitest::Cp932;
using guitest::FormFixture;

namespace {

using MainWindowNew = FormFixture;

// What the window shows: every edit, memo, grid cell, drop-down, check box,
// the radio group and the portrait.
QMap<QString, QString> Screen(TForm1& form) {
  QMap<QString, QString> s;
  for (auto* e : form.findChildren<QLineEdit*>()) s[e->objectName()] = e->text();
  for (auto* m : form.findChildren<QPlainTextEdit*>()) s[m->objectName()] = m->toPlainText();
  for (auto* c : form.findChildren<QComboBox*>()) s[c->objectName()] = QString::number(c->currentIndex());
  for (auto* b : form.findChildren<ui::TCheckBox*>()) s[b->objectName()] = b->isChecked() ? "1" : "0";
  for (auto* g : form.findChildren<ui::TStringGrid*>())
    for (int r = 0; r < g->RowCount(); ++r)
      for (int c = 0; c < g->columnCount(); ++c)
        s[g->objectName() + QString(":%1,%2").arg(c).arg(r)] = ui::FromSjis(g->Cell(c, r));
  s["RadioGroup1"] = QString::number(form.RadioGroup1->ItemIndex());
  s["Label17"] = form.Label17->text();
  s["Image1"] = QString::number(qHashBits(form.Image1->Picture().constBits(), form.Image1->Picture().sizeInBytes()));
  return s;
}

TEST_F(MainWindowNew, ResetsEveryPanelAfterEdits) {
  const auto atStart = Screen(*form);
  Activate();
  ClickInto(form->Edit1);
  Type(form->Edit1, QStringLiteral("ザ・グレート①"));
  ClickInto(form->Memo1);
  Type(form->Memo1, QStringLiteral("生い立ち"));
  ClickInto(form->Edit2);  // leaving the memo stores it
  form->Edit30->setText(QStringLiteral("短気"));
  form->Image1->SetPixel(50, 50, {255, 0, 0});
  form->ComboBox2->SetItemIndex(3);
  form->SaveDialog1->SetFileName(QStringLiteral("taro.rsp"));
  form->OpenDialog1->SetFileName(QStringLiteral("taro.rsp"));
  form->CurrentFileName = QStringLiteral("taro.rsp");
  ASSERT_EQ(form->Wrestler->RingName, Cp932("ザ・グレート①"));
  ASSERT_EQ(form->Wrestler->Background.Count(), 1);

  form->New1->trigger();

  const TWrestler& w = *form->Wrestler;
  EXPECT_EQ(w.RingName, "");
  EXPECT_EQ(w.Background.Count(), 0);
  EXPECT_EQ(w.Quirks[0], "");
  EXPECT_EQ(form->Edit1->text(), "");
  EXPECT_EQ(form->Memo1->toPlainText(), "");
  EXPECT_EQ(form->Edit30->text(), "");
  EXPECT_EQ(form->Edit54->text(), "-10.0");
  EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
  EXPECT_EQ(w.Portrait->Pixel(50, 50), (TPortraitRaster::Rgb{255, 255, 255}));
  EXPECT_EQ(w.Portrait->Pixel(0, 50), (TPortraitRaster::Rgb{0, 0, 0}));
  EXPECT_EQ(w.Portrait->Pixel(192, 50), (TPortraitRaster::Rgb{0, 0, 0}));
  EXPECT_TRUE(form->SaveDialog1->FileName().isEmpty());
  EXPECT_TRUE(form->OpenDialog1->FileName().isEmpty());
  EXPECT_TRUE(form->CurrentFileName.isEmpty());
  EXPECT_EQ(Screen(*form), atStart);
}

TEST_F(MainWindowNew, TwiceGivesTheSameScreenAsOnce) {
  form->New1->trigger();
  const auto once = Screen(*form);
  form->New1->trigger();
  EXPECT_EQ(Screen(*form), once);
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
  EXPECT_FALSE(form->RadioGroup1->isEnabled());
}

TEST_F(MainWindowNew, AboutShowsTheVersionWindowAndExitCloses) {
  QString title;
  QSize size;
  AnswerModal([&](QWidget* box) {
    title = box->windowTitle();
    size = box->size();
    auto* ok = box->findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  form->About1->trigger();
  EXPECT_EQ(title, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_EQ(size, QSize(298, 126));

  form->Exit1->trigger();
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
